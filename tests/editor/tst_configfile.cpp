#include "editor/configfile.h"
#include "support/failingdevice.h"

#include <QBuffer>
#include <QTest>

namespace {

QStringList rowsOf(const LineStore& lines)
{
    QStringList rows;
    for (qsizetype i = 0; i < lines.size(); ++i)
        rows << lines.at(i).toString();
    return rows;
}

LineStore storeOf(const QStringList& rows)
{
    LineStore lines;
    for (const QString& row : rows)
        lines.append(row);
    return lines;
}

QByteArray written(const QStringList& rows)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QString error = configfile::write(buffer, storeOf(rows));
    if (!error.isEmpty())
        qWarning() << "write failed:" << error;
    return buffer.data();
}

QStringList readBack(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const configfile::ReadResult result = configfile::read(buffer);
    return result.lines ? rowsOf(*result.lines) : QStringList{QStringLiteral("<read failed>")};
}

// Claims to be larger than any file the editor will load.
class HugeDevice final : public QIODevice
{
public:
    HugeDevice() { open(QIODevice::ReadOnly); }
    qint64 size() const override { return configfile::MaximumSize + 1; }

protected:
    qint64 readData(char*, qint64) override { return 0; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void readsLines_data();
    void readsLines();
    void writesEveryLineWithCrLf_data();
    void writesEveryLineWithCrLf();
    void everyByteSurvivesARoundTrip();
    void lineEndSplitAcrossChunks();
    void lineLongerThanAChunk();
    void reportsEachWrittenLine();
    void writeFailureCarriesTheReason();
    void refusesHugeFiles();
    void findsRowsThatHaveNoByte();
};

void TestConfigFile::readsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    const auto row = [](const char* name, const QByteArray& bytes, const QStringList& rows) {
        QTest::newRow(name) << bytes << rows;
    };
    const QString a = QStringLiteral("a"), b = QStringLiteral("b"), c = QStringLiteral("c");
    row("nominal: CR LF", "a\r\nb\r\n", {a, b});
    row("nominal: LF only", "a\nb\n", {a, b});
    row("nominal: CR only", "a\rb\r", {a, b});
    row("nominal: mixed ends", "a\r\nb\nc\rd", {a, b, c, QStringLiteral("d")});
    row("nominal: no line end after the last line", "a\r\nb", {a, b});
    row("nominal: blank lines are rows", "a\r\n\r\nb\r\n", {a, QString(), b});
    row("nominal: empty file", "", {});
    row("nominal: a lone line end is one empty row", "\r\n", {QString()});
    row("nominal: LF then CR are two line ends", "a\n\rb", {a, QString(), b});
    row("nominal: CR CR LF", "a\r\r\nb", {a, QString(), b});
    row("nominal: spaces, quotes and commas stay",
        "  bind x \"say a, b\" \r\n\"quoted\",x\r\n",
        {QStringLiteral("  bind x \"say a, b\" "), QStringLiteral("\"quoted\",x")});
    row("robustness: NUL bytes are characters", QByteArray("a\0b\n", 4), {QStringView(u"a\0b", 3).toString()});
    row("robustness: high bytes map one to one", "name \"\xe9\xff\x80\"\r\n",
        {QString::fromLatin1("name \"\xe9\xff\x80\"")});
}

void TestConfigFile::readsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    QCOMPARE(readBack(bytes), rows);
    QCOMPARE(rowsOf(configfile::parse(bytes)), rows);
}

void TestConfigFile::writesEveryLineWithCrLf_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("nominal: a, empty, b") << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}
                                          << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("nominal: empty list gives an empty file") << QStringList{} << QByteArray();
    QTest::newRow("nominal: one empty row") << QStringList{QString()} << QByteArray("\r\n");
    QTest::newRow("robustness: a row holding line ends is written as it is")
        << QStringList{QStringLiteral("a\nb")} << QByteArray("a\nb\r\n");
}

void TestConfigFile::writesEveryLineWithCrLf()
{
    QFETCH(QStringList, rows);
    QFETCH(QByteArray, bytes);
    QCOMPARE(written(rows), bytes);
}

void TestConfigFile::everyByteSurvivesARoundTrip()
{
    QByteArray file;
    for (int byte = 0; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n')
            file.append(char(byte));
    file.append("\r\nsecond line\r\n");
    QCOMPARE(written(readBack(file)), file);
}

void TestConfigFile::lineEndSplitAcrossChunks()
{
    // The reader works in 1 MiB chunks: put the CR at the end of the first one.
    const qsizetype chunk = 1 << 20;
    QByteArray file(chunk - 1, 'x');
    file.append("\r\ny");
    const QStringList rows = readBack(file);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].size(), chunk - 1);
    QCOMPARE(rows[1], QStringLiteral("y"));
}

void TestConfigFile::lineLongerThanAChunk()
{
    const QByteArray longLine(3 * (1 << 20) + 17, 'q');
    const QStringList rows = readBack("first\n" + longLine + "\nlast");
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[1], QString::fromLatin1(longLine));
    QCOMPARE(rows[2], QStringLiteral("last"));
}

void TestConfigFile::reportsEachWrittenLine()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int reported = 0;
    configfile::write(buffer, storeOf({QStringLiteral("a"), QStringLiteral("b"), QString()}), [&] { ++reported; });
    QCOMPARE(reported, 3);
}

void TestConfigFile::writeFailureCarriesTheReason()
{
    QStringList rows;
    for (int i = 0; i < 200000; ++i)
        rows << QStringLiteral("bind k%1 \"+attack\"").arg(i);
    FailingDevice device(1000);
    const QString error = configfile::write(device, storeOf(rows));
    QCOMPARE(error, QStringLiteral("No space left on device"));
}

void TestConfigFile::refusesHugeFiles()
{
    HugeDevice device;
    const configfile::ReadResult result = configfile::read(device);
    QVERIFY(!result.lines);
    QVERIFY2(result.error.contains(QLatin1String("too large")), qPrintable(result.error));
}

void TestConfigFile::findsRowsThatHaveNoByte()
{
    QCOMPARE(configfile::firstUnwritableLine(storeOf({QStringLiteral("plain"), QString::fromLatin1("\xe9\xff")})),
             std::nullopt);
    const LineStore mixed = storeOf({QStringLiteral("ok"), QString::fromLatin1("\xe9"), QStringLiteral("euro \u20ac"),
                                     QStringLiteral("\u4e2d")});
    QCOMPARE(configfile::firstUnwritableLine(mixed), std::optional<qsizetype>(2));
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
