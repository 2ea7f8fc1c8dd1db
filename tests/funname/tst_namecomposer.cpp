#include "editor/configfile.h"
#include "funname/namecomposer.h"

#include <QBuffer>
#include <QTest>

namespace {

const QString Quote = QStringLiteral("\"");

// Runs a script of steps: "P65" places glyph 65, "S5" selects slot 5, "B" steps
// back, "N" clears the name. Returns how many placements were refused.
int run(NameComposer& name, const QString& script)
{
    int refused = 0;
    for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int argument = step.mid(1).toInt();
        switch (step.at(0).unicode()) {
        case 'P': refused += name.PlaceGlyph(argument) ? 0 : 1; break;
        case 'S': name.SelectSlot(argument); break;
        case 'B': name.BackspaceGlyph(); break;
        case 'N': name.ClearName(); break;
        default: qFatal("unknown step %s", qPrintable(step));
        }
    }
    return refused;
}

QString repeat(const QString& step, int times)
{
    QStringList steps;
    for (int i = 0; i < times; ++i)
        steps << step;
    return steps.join(QLatin1Char(' '));
}

// The fifteen slots as codes, -1 for an empty one.
QList<int> slotCodes(const NameComposer& name)
{
    QList<int> codes;
    for (int slot = 0; slot < NameComposer::SlotCount; ++slot)
        codes << name.glyphAt(slot).value_or(-1);
    return codes;
}

QList<int> filled(std::initializer_list<std::pair<int, int>> slotCodes)
{
    QList<int> codes(NameComposer::SlotCount, -1);
    for (const auto& [slot, code] : slotCodes)
        codes[slot] = code;
    return codes;
}

} // namespace

class TestNameComposer : public QObject
{
    Q_OBJECT

private slots:
    void startsEmpty();
    void operations_data();
    void operations();
    void glyphTextIsTheByteItself();
    void nameLine_data();
    void nameLine();
    void nameLineBytesSurviveSaveAndReopen();
};

void TestNameComposer::startsEmpty()
{
    const NameComposer name;
    QCOMPARE(name.CursorSlot(), 0);
    QCOMPARE(name.markerSlot(), 0);
    QCOMPARE(slotCodes(name), filled({}));
    QCOMPARE(name.nameLine(Quote), QStringLiteral("name \"\""));
}

void TestNameComposer::operations_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<int>>("expectedSlots");
    QTest::addColumn<int>("expectedCursor");
    QTest::addColumn<int>("expectedMarker");
    QTest::addColumn<int>("expectedRefused");

    const QString fifteenAs = repeat(QStringLiteral("P65"), 15);
    QList<int> allAs(15, 65);
    QList<int> replacedThird = allAs;
    replacedThird[3] = 66;
    QList<int> fourthCleared = allAs;
    fourthCleared[4] = -1;
    QList<int> lastCleared = allAs;
    lastCleared[14] = -1;

    QTest::newRow("nominal: fifteen placements fill the name, marker stays under slot 14")
        << fifteenAs << allAs << 15 << 14 << 0;
    QTest::newRow("robustness: the sixteenth placement is refused and changes nothing")
        << fifteenAs + QStringLiteral(" P66") << allAs << 15 << 14 << 1;
    QTest::newRow("edge: slot 14 selected, the first of two fills it, the second is refused")
        << QStringLiteral("S14 P66 P67") << filled({{14, 66}}) << 15 << 14 << 1;
    QTest::newRow("nominal: slot 3 selected in a full name is replaced alone")
        << fifteenAs + QStringLiteral(" S3 P66") << replacedThird << 4 << 4 << 0;
    QTest::newRow("edge: selecting beyond the name leaves gaps")
        << QStringLiteral("P65 P66 P67 S5 P68") << filled({{0, 65}, {1, 66}, {2, 67}, {5, 68}}) << 6 << 6 << 0;
    QTest::newRow("edge: glyph 0 takes a slot and moves the cursor on")
        << QStringLiteral("P0") << filled({{0, 0}}) << 1 << 1 << 0;
    QTest::newRow("robustness: backspace at slot 0 does nothing, even with glyphs after it")
        << QStringLiteral("P65 P66 S0 B") << filled({{0, 65}, {1, 66}}) << 0 << 0 << 0;
    QTest::newRow("nominal: backspace after selecting slot 5 clears slot 4 only")
        << fifteenAs + QStringLiteral(" S5 B") << fourthCleared << 4 << 4 << 0;
    QTest::newRow("nominal: backspace in a full name clears slot 14")
        << fifteenAs + QStringLiteral(" B") << lastCleared << 14 << 14 << 0;
    QTest::newRow("nominal: New empties a full name and the next glyph goes to slot 0")
        << fifteenAs + QStringLiteral(" N P66") << filled({{0, 66}}) << 1 << 1 << 0;
    QTest::newRow("edge: after New the whole name can be filled again")
        << fifteenAs + QStringLiteral(" N ") + fifteenAs << allAs << 15 << 14 << 0;
}

void TestNameComposer::operations()
{
    QFETCH(QString, script);
    QFETCH(QList<int>, expectedSlots);
    QFETCH(int, expectedCursor);
    QFETCH(int, expectedMarker);
    QFETCH(int, expectedRefused);

    NameComposer name;
    QCOMPARE(run(name, script), expectedRefused);
    QCOMPARE(slotCodes(name), expectedSlots);
    QCOMPARE(name.CursorSlot(), expectedCursor);
    QCOMPARE(name.markerSlot(), expectedMarker);
}

void TestNameComposer::glyphTextIsTheByteItself()
{
    // NUL ends the name in the game; line feed and carriage return would split the
    // line when the file is read back: they show in their slot but add nothing.
    for (int code = 0; code < 256; ++code) {
        const bool addsNothing = code == 0 || code == '\n' || code == '\r';
        const QString expected = addsNothing ? QString() : QString(QChar(char16_t(code)));
        QCOMPARE(NameComposer::glyphText(code), expected);
    }
}

void TestNameComposer::nameLine_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");

    QTest::newRow("edge: empty name") << QString() << QStringLiteral("name \"\"");
    QTest::newRow("nominal: gaps vanish from the text")
        << QStringLiteral("P65 P66 S5 P67") << QStringLiteral("name \"ABC\"");
    QTest::newRow("nominal: the quote glyph stands unchanged")
        << QStringLiteral("P65 P34 P66") << QStringLiteral("name \"A\"B\"");
    QTest::newRow("edge: glyphs 0, 10 and 13 show but add nothing")
        << QStringLiteral("P0 P65 P10 P13 P66") << QStringLiteral("name \"AB\"");
    QTest::newRow("nominal: bytes above 127 go in as they are")
        << QStringLiteral("P200 P255 P128") << QString::fromLatin1("name \"\xc8\xff\x80\"");
}

void TestNameComposer::nameLine()
{
    QFETCH(QString, script);
    QFETCH(QString, expected);
    NameComposer name;
    run(name, script);
    QCOMPARE(name.nameLine(Quote), expected);
}

void TestNameComposer::nameLineBytesSurviveSaveAndReopen()
{
    NameComposer name;
    run(name, QStringLiteral("P1 P34 P59 P10 P127 P128 P13 P200 P0 P255 P9"));
    LineStore lines;
    lines.append(QStringLiteral("bind w +forward"));
    lines.append(name.nameLine(Quote));

    QBuffer file;
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(configfile::write(file, lines), QString());
    const QByteArray expected("bind w +forward\r\nname \"\x01\";\x7f\x80\xc8\xff\t\"\r\n");
    QCOMPARE(file.data(), expected);

    const LineStore reopened = configfile::parse(file.data());
    QCOMPARE(reopened.size(), 2);
    QCOMPARE(reopened.at(1).toString(), name.nameLine(Quote));
}

QTEST_GUILESS_MAIN(TestNameComposer)
#include "tst_namecomposer.moc"
