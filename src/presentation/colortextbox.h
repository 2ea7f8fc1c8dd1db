#pragma once

#include <QLineEdit>

// A text box whose text and background colours are colour values (direct or system
// references), kept exactly as given and shown through the application's palette.
class ColorTextBox final : public QLineEdit
{
    Q_OBJECT

public:
    explicit ColorTextBox(const QString& text, QWidget* parent = nullptr);

    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 value);
    quint32 backColor() const { return m_backColor; }
    void setBackColor(quint32 value);

private:
    void applyColors();

    quint32 m_foreColor;
    quint32 m_backColor;
};
