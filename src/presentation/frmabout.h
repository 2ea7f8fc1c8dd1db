#pragma once

#include <QDialog>

class QLabel;

// The about window: title, version, contact text and author lines, and OK to close.
// Built afresh from its design-time texts each time it is created.
class frmAbout final : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* owner);

private:
    void buildControls();
    void Form_Load();

    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblDescription = nullptr;
    QLabel* m_lblDisclaimer = nullptr;
};
