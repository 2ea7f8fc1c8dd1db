#include "presentation/frmcolor.h"

#include "presentation/colortextbox.h"
#include "presentation/etchedline.h"
#include "shared/colorvalue.h"
#include "shared/dialogs.h"
#include "shared/fonts.h"
#include "shared/identity.h"
#include "shared/twips.h"

#include <QPushButton>

namespace {

constexpr int ClientWidth = 4620;
constexpr int ClientHeight = 1650;
// The etched separator's grey line; its white line lies one pixel (15 twips) lower.
constexpr int SeparatorTop = 1095;
constexpr double PreviewPointSize = 14.25;

} // namespace

frmColor::frmColor(quint32 foreColor, quint32 backColor, QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Change Colors"));
    setFont(fonts::msSansSerif());
    setFixedSize(twips::toPixels(ClientWidth), twips::toPixels(ClientHeight));

    m_text1 = new ColorTextBox(identity::ProductName, this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(twips::rect(45, 0, 4515, 555));
    m_text1->setFont(fonts::timesNewRoman(PreviewPointSize));
    m_text1->setAlignment(Qt::AlignCenter);

    QPushButton* command1 = addButton(QStringLiteral("Command1"), QStringLiteral("Change List Font Color"),
                                      twips::rect(30, 630, 2220, 360));
    QPushButton* command2 = addButton(QStringLiteral("Command2"), QStringLiteral("Change List BackColor"),
                                      twips::rect(2370, 630, 2220, 360));
    QPushButton* command3 = addButton(QStringLiteral("Command3"), QStringLiteral("OK"), twips::rect(360, 1230, 1230, 330));
    QPushButton* command4 = addButton(QStringLiteral("Command4"), QStringLiteral("Cancel"),
                                      twips::rect(1710, 1230, 1230, 330));
    QPushButton* command5 = addButton(QStringLiteral("Command5"), QStringLiteral("Apply"),
                                      twips::rect(3060, 1230, 1230, 330));
    command3->setDefault(true);

    auto* separator = new EtchedLine(this);
    separator->setGeometry(0, twips::toPixels(SeparatorTop), width(), separator->height());

    connect(command1, &QPushButton::clicked, this, &frmColor::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &frmColor::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &frmColor::Command3_Click);
    // Escape and the close box reject the dialog just as Cancel does.
    connect(command4, &QPushButton::clicked, this, &QDialog::reject);
    connect(command5, &QPushButton::clicked, this, &frmColor::Command5_Click);

    Form_Load(foreColor, backColor);
}

QPushButton* frmColor::addButton(const QString& name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

void frmColor::Form_Load(quint32 foreColor, quint32 backColor)
{
    m_text1->setForeColor(foreColor);
    m_text1->setBackColor(backColor);
}

quint32 frmColor::pickColor()
{
    const std::optional<QColor> chosen = Dialogs::instance().color(this, colorvalue::toColor(m_dialogColor));
    if (chosen)
        m_dialogColor = colorvalue::fromColor(*chosen);
    return m_dialogColor;
}

void frmColor::Command1_Click()
{
    m_text1->setForeColor(pickColor());
}

void frmColor::Command2_Click()
{
    m_text1->setBackColor(pickColor());
}

void frmColor::Command3_Click()
{
    Command5_Click();
    accept();
}

void frmColor::Command5_Click()
{
    emit colorsChosen(m_text1->foreColor(), m_text1->backColor());
}
