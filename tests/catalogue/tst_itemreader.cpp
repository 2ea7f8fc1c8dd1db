#include "catalogue/itemreader.h"

#include <QBuffer>
#include <QTest>

// Hands out its bytes in one read, then fails like a file on a vanished disk.
class FailingReader final : public QIODevice
{
public:
    explicit FailingReader(const QByteArray& bytes) : m_bytes(bytes)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char* data, qint64 maximum) override
    {
        if (m_bytes.isEmpty())
            return -1;
        const qint64 length = std::min<qint64>(maximum, m_bytes.size());
        std::copy_n(m_bytes.constData(), length, data);
        m_bytes.remove(0, length);
        return length;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
};

class TestItemReader : public QObject
{
    Q_OBJECT

private:
    static QStringList readAll(const QByteArray& bytes)
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        ItemReader reader(buffer);
        QStringList items;
        while (const std::optional<QString> item = reader.next())
            items << *item;
        return items;
    }

    static QStringList texts(std::initializer_list<const char*> latin1)
    {
        QStringList result;
        for (const char* text : latin1)
            result << QString::fromLatin1(text);
        return result;
    }

    static qint16 countAll(const QByteArray& bytes)
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        return ItemReader::count(buffer);
    }

    static QByteArray lines(int count)
    {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes += "+attack\r\n";
        return bytes;
    }

private slots:
    void items_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");

        const QString longItem(65535, u'x');
        const QByteArray junk("\x00\x01\xff\x7f,\xfe", 6);

        QTest::newRow("nominal: one item per line, CR LF") << QByteArray("+forward\r\n+back\r\n")
                                                          << texts({"+forward", "+back"});
        QTest::newRow("nominal: LF line ends") << QByteArray("a\nb\n") << texts({"a", "b"});
        QTest::newRow("nominal: CR line ends") << QByteArray("a\rb\r") << texts({"a", "b"});
        QTest::newRow("nominal: last line without a line end") << QByteArray("a\r\nb") << texts({"a", "b"});
        QTest::newRow("nominal: a comma splits a line") << QByteArray("say hello, world\r\n")
                                                        << texts({"say hello", "world"});
        QTest::newRow("nominal: a quoted item keeps its commas") << QByteArray("\"say hello, world\"\r\nx")
                                                                 << texts({"say hello, world", "x"});
        QTest::newRow("nominal: leading spaces are skipped") << QByteArray("   +attack\r\n")
                                                             << texts({"+attack"});
        QTest::newRow("nominal: inner spaces and quotes are kept") << QByteArray("say \"hi\" there\r\n")
                                                                   << texts({"say \"hi\" there"});
        QTest::newRow("nominal: an empty line is an empty item") << QByteArray("a\r\n\r\nb")
                                                                 << texts({"a", "", "b"});
        QTest::newRow("nominal: nothing between two commas") << QByteArray("a,,b") << texts({"a", "", "b"});
        QTest::newRow("nominal: empty file") << QByteArray() << QStringList{};
        QTest::newRow("robustness: tabs in front are skipped") << QByteArray("\t \t+jump") << texts({"+jump"});
        QTest::newRow("robustness: trailing blanks are dropped") << QByteArray("+jump \t\r\nx")
                                                                 << texts({"+jump", "x"});
        QTest::newRow("robustness: a line of spaces is an empty item") << QByteArray("   \r\nx")
                                                                       << texts({"", "x"});
        QTest::newRow("robustness: a comma at the line end") << QByteArray("a,\r\nb") << texts({"a", "", "b"});
        QTest::newRow("robustness: LF then CR are two line ends") << QByteArray("a\n\rb")
                                                                  << texts({"a", "", "b"});
        QTest::newRow("robustness: text after a closing quote is dropped")
            << QByteArray("\"bind x\" junk,next") << texts({"bind x", "next"});
        QTest::newRow("robustness: an unclosed quote ends at the line end") << QByteArray("\"open\r\nnext")
                                                                            << texts({"open", "next"});
        QTest::newRow("robustness: an empty quoted item") << QByteArray("\"\",x") << texts({"", "x"});
        QTest::newRow("robustness: a quote alone") << QByteArray("\"") << texts({""});
        QTest::newRow("robustness: binary junk maps byte for byte")
            << junk << QStringList{QString::fromLatin1(junk.left(4)), QStringLiteral("\u00fe")};
        QTest::newRow("robustness: CR LF split across read chunks")
            << longItem.toLatin1() + "\r\ny" << QStringList{longItem, QStringLiteral("y")};
        QTest::newRow("robustness: a quoted item across read chunks")
            << '"' + QByteArray(70000, 'q') + "\",z" << QStringList{QString(70000, u'q'), QStringLiteral("z")};
        QTest::newRow("robustness: a very long item") << QByteArray(3'000'000, 'v')
                                                      << QStringList{QString(3'000'000, u'v')};
    }

    void items()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QCOMPARE(readAll(bytes), expected);
        QCOMPARE(countAll(bytes), qint16(expected.size()));
    }

    void countIsSixteenBit_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<qint16>("expected");
        QTest::newRow("nominal: the largest catalogue allowed") << 32766 << qint16(32766);
        QTest::newRow("robustness: one item more") << 32767 << qint16(32767);
        QTest::newRow("robustness: far more items stop at the 16-bit limit") << 40000 << qint16(32767);
    }

    void countIsSixteenBit()
    {
        QFETCH(int, lines);
        QFETCH(qint16, expected);
        QCOMPARE(countAll(TestItemReader::lines(lines)), expected);
    }

    void readErrorEndsTheItems()
    {
        FailingReader device("a\r\nb,");
        ItemReader reader(device);
        QCOMPARE(reader.next(), QStringLiteral("a"));
        QCOMPARE(reader.next(), QStringLiteral("b"));
        QCOMPARE(reader.next(), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestItemReader)
#include "tst_itemreader.moc"
