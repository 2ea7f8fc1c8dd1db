#pragma once

#include <QDialog>

class ColorTextBox;
class QPushButton;

// "Change Colors": picks the text and background colours of the binding list. The
// preview's colours are the working colours; OK and Apply hand them on.
// Shown modal and owned by the main window; Cancel, Escape and the close box change nothing.
class frmColor final : public QDialog
{
    Q_OBJECT

public:
    // foreColor, backColor: the list's colour values now.
    frmColor(quint32 foreColor, quint32 backColor, QWidget* owner);

signals:
    // OK or Apply: the colour values for the list's text and background.
    void colorsChosen(quint32 foreColor, quint32 backColor);

private:
    void Form_Load(quint32 foreColor, quint32 backColor);
    QPushButton* addButton(const QString& name, const QString& caption, const QRect& geometry);
    // Opens the colour dialog; a cancelled one leaves the colour value as it was.
    quint32 pickColor();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();

    ColorTextBox* m_text1;
    // The colour dialog's own value, shared by both colour buttons; black at each load.
    quint32 m_dialogColor = 0;
};
