#include "catalogue/catalogueparser.h"
#include "catalogue/stripends.h"

#include <QBuffer>
#include <QTest>

using ItemKind = CatalogueParser::ItemKind;
Q_DECLARE_METATYPE(CatalogueParser::ItemKind)

namespace {

// Parses bytes and describes every node handed out, in order, as
// "parent key > key|text|image" (the parent key is empty at the root).
struct Parsed
{
    QStringList nodes;
    QString version;
};

Parsed parse(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    Parsed parsed;
    QStringList groupKeys;
    CatalogueParser parser([&](const CatalogueNode& node) {
        const QString parentKey = node.parentGroup < 0 ? QString() : groupKeys.at(node.parentGroup);
        parsed.nodes << QStringLiteral("%1 > %2|%3|%4").arg(parentKey, node.key, node.text).arg(node.image);
        if (node.kind != CatalogueNode::Kind::Command)
            groupKeys << node.key;
    });
    parser.read(buffer);
    parsed.version = parser.version();
    return parsed;
}

QStringList texts(std::initializer_list<const char*> latin1)
{
    QStringList result;
    for (const char* text : latin1)
        result << QString::fromLatin1(text);
    return result;
}

} // namespace

class TestCatalogueParser : public QObject
{
    Q_OBJECT

private slots:
    void stripEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nominal: category") << QStringLiteral("{Movement}") << QStringLiteral("Movement");
        QTest::newRow("nominal: section") << QStringLiteral("[x]") << QStringLiteral("x");
        QTest::newRow("nominal: empty braces") << QStringLiteral("{}") << QString();
        QTest::newRow("robustness: no closing brace loses a letter") << QStringLiteral("{Movement")
                                                                     << QStringLiteral("Movemen");
        QTest::newRow("robustness: a lone brace") << QStringLiteral("{") << QString();
        QTest::newRow("robustness: empty text") << QString() << QString();
    }

    void stripEnds()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString returned = StripEnds(text);
        QCOMPARE(returned, expected);
        QCOMPARE(text, expected);
    }

    void classify_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<ItemKind>("expected");
        QTest::newRow("nominal: empty") << QString() << ItemKind::Empty;
        QTest::newRow("nominal: category") << QStringLiteral("{Movement}") << ItemKind::Category;
        QTest::newRow("nominal: section") << QStringLiteral("[Walking]") << ItemKind::Section;
        QTest::newRow("nominal: version") << QStringLiteral("//1.2") << ItemKind::Version;
        QTest::newRow("nominal: version alone") << QStringLiteral("//") << ItemKind::Version;
        QTest::newRow("nominal: command") << QStringLiteral("+attack") << ItemKind::Command;
        QTest::newRow("robustness: one slash is a command") << QStringLiteral("/x") << ItemKind::Command;
        QTest::newRow("robustness: a brace inside is a command") << QStringLiteral("a{b}") << ItemKind::Command;
        QTest::newRow("robustness: a lone bracket is a section") << QStringLiteral("[") << ItemKind::Section;
    }

    void classify()
    {
        QFETCH(QString, item);
        QFETCH(ItemKind, expected);
        QCOMPARE(CatalogueParser::classify(item), expected);
    }

    void nodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("nominal: two categories")
            << QByteArray("{Movement}\r\n[Walking]\r\n+forward\r\n+back\r\n{Weapons}\r\n[Firing]\r\n+attack\r\n")
            << texts({" > {Movement|Movement|1", "{Movement > [Walking|Walking|1", "[Walking > |+forward|3",
                      "[Walking > |+back|3", " > {Weapons|Weapons|1", "{Weapons > [Firing|Firing|1",
                      "[Firing > |+attack|3"});
        QTest::newRow("nominal: empty and version items make no node")
            << QByteArray("//1.0\r\n\r\n{A}\r\n,,\r\n") << texts({" > {A|A|1"});
        QTest::newRow("nominal: groups without children")
            << QByteArray("{A}\r\n{B}\r\n[s]\r\n") << texts({" > {A|A|1", " > {B|B|1", "{B > [s|s|1"});
        QTest::newRow("nominal: a command keeps its text as read")
            << QByteArray("{A}\r\n[s]\r\nsay \"gg\" all\r\n")
            << texts({" > {A|A|1", "{A > [s|s|1", "[s > |say \"gg\" all|3"});
        QTest::newRow("nominal: a new category keeps the current section")
            << QByteArray("{A}\r\n[s]\r\n{B}\r\nx\r\n")
            << texts({" > {A|A|1", "{A > [s|s|1", " > {B|B|1", "[s > |x|3"});
        QTest::newRow("robustness: no closing brace")
            << QByteArray("{Movement\r\n[Walking\r\n")
            << texts({" > {Movemen|Movemen|1", "{Movemen > [Walkin|Walkin|1"});
        QTest::newRow("robustness: a repeated category continues it")
            << QByteArray("{A}\r\n[s]\r\nx\r\n{B}\r\n{A}\r\n[t]\r\ny\r\n")
            << texts({" > {A|A|1", "{A > [s|s|1", "[s > |x|3", " > {B|B|1", "{A > [t|t|1", "[t > |y|3"});
        QTest::newRow("robustness: a repeated section continues it")
            << QByteArray("{A}\r\n[s]\r\nx\r\n{B}\r\n[s]\r\ny\r\n")
            << texts({" > {A|A|1", "{A > [s|s|1", "[s > |x|3", " > {B|B|1", "[s > |y|3"});
        QTest::newRow("robustness: a section before any category")
            << QByteArray("[s]\r\nx\r\n") << texts({" > {Unsorted|Unsorted|1", "{Unsorted > [s|s|1", "[s > |x|3"});
        QTest::newRow("robustness: a command before any section")
            << QByteArray("{A}\r\nx\r\n[s]\r\ny\r\n") << texts({" > {A|A|1", "{A > |x|3", "{A > [s|s|1", "[s > |y|3"});
        QTest::newRow("robustness: a command before anything")
            << QByteArray("x\r\n{A}\r\n") << texts({" > {Unsorted|Unsorted|1", "{Unsorted > |x|3", " > {A|A|1"});
        QTest::newRow("robustness: a category named like the fallback continues it")
            << QByteArray("[s]\r\n{Unsorted}\r\n[t]\r\n")
            << texts({" > {Unsorted|Unsorted|1", "{Unsorted > [s|s|1", "{Unsorted > [t|t|1"});
        QTest::newRow("robustness: a lone brace and bracket give empty names")
            << QByteArray("{\r\n[\r\nx\r\n{\r\n") << texts({" > {||1", "{ > [||1", "[ > |x|3"});
        QTest::newRow("robustness: a category and a section of the same name")
            << QByteArray("{A}\r\n[A]\r\n") << texts({" > {A|A|1", "{A > [A|A|1"});
    }

    void nodes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QCOMPARE(parse(bytes).nodes, expected);
    }

    void version_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nominal: one version item") << QByteArray("//1.2\r\n{A}\r\n") << QStringLiteral("1.2");
        QTest::newRow("nominal: the last version wins") << QByteArray("//2.0\r\n{A}\r\n//2.1\r\n")
                                                        << QStringLiteral("2.1");
        QTest::newRow("nominal: no version item") << QByteArray("{A}\r\n") << QString();
        QTest::newRow("nominal: \"//\" alone empties it") << QByteArray("//2.0\r\n//\r\n") << QString();
        QTest::newRow("nominal: the rest of the item is kept") << QByteArray("//1.0 beta\r\n")
                                                               << QStringLiteral("1.0 beta");
    }

    void version()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(parse(bytes).version, expected);
    }
};

QTEST_APPLESS_MAIN(TestCatalogueParser)
#include "tst_catalogueparser.moc"
