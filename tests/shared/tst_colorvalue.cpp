#include "shared/colorvalue.h"

#include <QTest>

class TestColorValue : public QObject
{
    Q_OBJECT

private slots:
    void translates_data();
    void translates();
    void untranslatableIsBlack();
    void textPaletteTakesBothColours();
};

void TestColorValue::translates_data()
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(0x11, 0x22, 0x33));
    palette.setColor(QPalette::Active, QPalette::Base, QColor(0xFE, 0xFD, 0xFC));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(0x01, 0x02, 0x03));
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<quint32>("direct");
    QTest::newRow("nominal: a direct colour is itself") << palette << 0x00C08040u << 0x00C08040u;
    QTest::newRow("nominal: black") << palette << 0u << 0u;
    QTest::newRow("nominal: 15, the button face") << palette << colorvalue::ButtonFace << 0x00332211u;
    QTest::newRow("nominal: 5, the window") << palette << colorvalue::WindowBackground << 0x00FCFDFEu;
    QTest::newRow("nominal: 8, window text") << palette << colorvalue::WindowText << 0x00030201u;
}

void TestColorValue::translates()
{
    QFETCH(QPalette, palette);
    QFETCH(quint32, value);
    QFETCH(quint32, direct);
    QCOMPARE(colorvalue::translate(value, palette), std::optional<quint32>(direct));
    QCOMPARE(colorvalue::toColor(value, palette), QColor(int(direct & 0xFF), int(direct >> 8 & 0xFF), int(direct >> 16)));
}

void TestColorValue::untranslatableIsBlack()
{
    for (const quint32 value : {0x80000000u + 31, 0x8000FFFFu, 0x01000000u, 0x40FFFFFFu}) {
        QCOMPARE(colorvalue::translate(value), std::nullopt);
        QCOMPARE(colorvalue::toColor(value), QColor(Qt::black));
    }
}

void TestColorValue::textPaletteTakesBothColours()
{
    QPalette system;
    system.setColor(QPalette::Active, QPalette::Base, Qt::yellow);
    const QPalette result = colorvalue::textPalette(QPalette(), colorvalue::fromRgb(255, 0, 0),
                                                    colorvalue::WindowBackground, system);
    QCOMPARE(result.color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(result.color(QPalette::Base), QColor(Qt::yellow));
}

QTEST_GUILESS_MAIN(TestColorValue)
#include "tst_colorvalue.moc"
