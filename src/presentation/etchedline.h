#pragma once

#include <QWidget>

// A horizontal etched separator: a grey line with a white line right under it, two
// pixels high, across the whole width of the widget.
class EtchedLine final : public QWidget
{
    Q_OBJECT

public:
    explicit EtchedLine(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
