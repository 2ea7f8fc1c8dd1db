#include "presentation/frmabout.h"

#include "presentation/etchedline.h"
#include "shared/fonts.h"
#include "shared/identity.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

constexpr double TitlePointSize = 27.75;
constexpr int TitleWeight = 800;
constexpr int IconSize = 32;

const QString DisclaimerDesignText = QStringLiteral("Warning: ...");
const QStringList AuthorLines{
    QStringLiteral("Written by Vantor for the Quake and Quake 2 community."),
    QStringLiteral("Provided as is, without warranty of any kind."),
    QStringLiteral("Keep a copy of your config files before you save over them."),
};

QString description()
{
    return QStringList{QStringLiteral("Questions? Comments? Rants? Raves?"),
                       QStringLiteral("Any of the above constitute an E-Mail to me."),
                       QLatin1Char(' ') + identity::ContactAddress + QLatin1Char(' '),
                       QStringLiteral("Let me know what you think, hate, love. Any the input is appriciated.")}
        .join(LineEnd);
}

QLabel* plainLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFont titleFont()
{
    QFont font(QStringLiteral("Westminster"));
    font.setPointSizeF(TitlePointSize);
    font.setWeight(QFont::Weight(TitleWeight));
    return font;
}

} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner)
{
    buildControls();
    Form_Load();
}

void frmAbout::buildControls()
{
    setWindowTitle(QStringLiteral("About Vantor's Bind Utility"));
    setFont(fonts::msSansSerif());

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(QIcon(QStringLiteral(":/icons/corvale.svg")).pixmap(IconSize, IconSize));
    image1->setFixedSize(IconSize, IconSize);

    m_lblTitle = plainLabel(QStringLiteral("lblTitle"), QStringLiteral("Vantor's Bind Utility"), this);
    m_lblTitle->setFont(titleFont());
    m_lblVersion = plainLabel(QStringLiteral("lblVersion"), QStringLiteral("Version"), this);
    m_lblDescription = plainLabel(QStringLiteral("lblDescription"), QString(), this);
    m_lblDisclaimer = plainLabel(QStringLiteral("lblDisclaimer"), DisclaimerDesignText, this);
    m_lblDisclaimer->setForegroundRole(QPalette::PlaceholderText);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(16);
    grid->addWidget(image1, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(m_lblTitle, 0, 1, 1, 2);
    grid->addWidget(m_lblVersion, 1, 1, 1, 2);
    grid->addWidget(m_lblDescription, 2, 1, 1, 2);
    grid->addWidget(new EtchedLine(this), 3, 0, 1, 3);
    grid->addWidget(m_lblDisclaimer, 4, 0, 1, 2, Qt::AlignTop);
    grid->addWidget(cmdOK, 4, 2, Qt::AlignRight | Qt::AlignBottom);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + identity::ProductName);
    m_lblVersion->setText(QStringLiteral("Version ") + identity::versionText());
    m_lblTitle->setText(identity::ProductName);
    m_lblDisclaimer->setText((QStringList{m_lblDisclaimer->text()} + AuthorLines).join(LineEnd));
    m_lblDescription->setText(description());
}
