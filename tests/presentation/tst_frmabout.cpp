#include "corvale/version.h"
#include "presentation/frmabout.h"
#include "shared/fonts.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QString textOf(const frmAbout& form, const char* label)
{
    return form.findChild<QLabel*>(QLatin1String(label))->text();
}

QStringList textsOf(const frmAbout& form)
{
    return {form.windowTitle(), textOf(form, "lblTitle"), textOf(form, "lblVersion"), textOf(form, "lblDescription"),
            textOf(form, "lblDisclaimer")};
}

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fonts::registerSubstitutes(); }
    void textsAtLoad();
    void openedTwiceShowsTheSameText();
    void titleFontFallsBackToAnInstalledFace();
    void okCloses();
};

void TestFrmAbout::textsAtLoad()
{
    const frmAbout form(nullptr);
    QCOMPARE(form.windowTitle(), QStringLiteral("About Vantor's Bind Utility"));
    QCOMPARE(textOf(form, "lblTitle"), QStringLiteral("Vantor's Bind Utility"));
    QCOMPARE(textOf(form, "lblVersion"), QStringLiteral("Version " CORVALE_VERSION_STRING));
    QCOMPARE(textOf(form, "lblDescription"),
             QStringLiteral("Questions? Comments? Rants? Raves?\r\n"
                            "Any of the above constitute an E-Mail to me.\r\n"
                            " vantor@corvale.org \r\n"
                            "Let me know what you think, hate, love. Any the input is appriciated."));
    const QStringList disclaimer = textOf(form, "lblDisclaimer").split(QStringLiteral("\r\n"));
    QCOMPARE(disclaimer.size(), 4);
    QCOMPARE(disclaimer.first(), QStringLiteral("Warning: ..."));
    QVERIFY(!disclaimer.contains(QString()));
}

void TestFrmAbout::openedTwiceShowsTheSameText()
{
    QCOMPARE(textsOf(frmAbout(nullptr)), textsOf(frmAbout(nullptr)));
}

void TestFrmAbout::titleFontFallsBackToAnInstalledFace()
{
    const frmAbout form(nullptr);
    const QFont font = form.findChild<QLabel*>(QStringLiteral("lblTitle"))->font();
    QCOMPARE(font.family(), QStringLiteral("Westminster"));
    QCOMPARE(font.pointSizeF(), 27.75);
    QCOMPARE(font.weight(), QFont::ExtraBold);
    const QString shown = QFontInfo(font).family();
    QVERIFY2(shown == QStringLiteral("Liberation Serif") || shown == QStringLiteral("DejaVu Serif"), qPrintable(shown));
}

void TestFrmAbout::okCloses()
{
    frmAbout form(nullptr);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
