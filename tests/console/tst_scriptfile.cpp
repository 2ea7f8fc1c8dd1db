#include "console/scriptfile.h"

#include <QTest>

using namespace console;

namespace {

// A device whose every read fails, like a file on a failing disk.
class UnreadableDevice final : public QIODevice
{
public:
    UnreadableDevice() { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override
    {
        setErrorString(QStringLiteral("Input/output error"));
        return -1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

} // namespace

class TestScriptFile : public QObject
{
    Q_OBJECT

private slots:
    void rowsEndAtLineFeedsOnly_data();
    void rowsEndAtLineFeedsOnly();
    void everyByteSurvives();
    void readErrorIsReported();
};

void TestScriptFile::rowsEndAtLineFeedsOnly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("endsWithLineEnd");
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList({u"a"_qs, u"b"_qs}) << true;
    QTest::newRow("CR LF: the CR is left out") << QByteArray("a\r\nb\r\n") << QStringList({u"a"_qs, u"b"_qs}) << true;
    QTest::newRow("lone CR stays in its row")
        << QByteArray("bind x \"a\rb\"\n") << QStringList({u"bind x \"a\rb\""_qs}) << true;
    QTest::newRow("no final line end") << QByteArray("a\nb") << QStringList({u"a"_qs, u"b"_qs}) << false;
    QTest::newRow("empty rows count") << QByteArray("\n\na\n") << QStringList({u""_qs, u""_qs, u"a"_qs}) << true;
    QTest::newRow("empty file") << QByteArray() << QStringList() << false;
}

void TestScriptFile::rowsEndAtLineFeedsOnly()
{
    QFETCH(QByteArray, bytes);
    const ScriptFile file = ScriptFile::fromBytes(bytes);
    QStringList rows;
    for (qsizetype row = 0; row < file.rowCount(); ++row)
        rows << file.row(row);
    QTEST(rows, "rows");
    QTEST(file.endsWithLineEnd(), "endsWithLineEnd");
    QCOMPARE(file.size(), bytes.size());
}

void TestScriptFile::everyByteSurvives()
{
    QByteArray bytes;
    for (int c = 1; c < 256; ++c)
        if (c != '\n')
            bytes += char(c);
    QCOMPARE(QByteArrayView(ScriptFile::fromBytes(bytes).row(0)), QByteArrayView(bytes));
}

void TestScriptFile::readErrorIsReported()
{
    UnreadableDevice device;
    QString error;
    QVERIFY(!ScriptFile::read(device, error));
    QCOMPARE(error, u"Input/output error"_qs);
}

QTEST_GUILESS_MAIN(TestScriptFile)
#include "tst_scriptfile.moc"
