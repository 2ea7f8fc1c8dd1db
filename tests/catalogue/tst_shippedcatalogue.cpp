#include "catalogue/catalogueparser.h"
#include "catalogue/itemreader.h"

#include <QFile>
#include <QSet>
#include <QTest>

// The catalogue that ships with the program, as checked into the source tree.
class TestShippedCatalogue : public QObject
{
    Q_OBJECT

private:
    QByteArray m_bytes;
    QStringList m_items;

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        m_bytes = contents(QStringLiteral(CORVALE_SHIPPED_CATALOGUE));
        QVERIFY(!m_bytes.isEmpty());
        QFile file(QStringLiteral(CORVALE_SHIPPED_CATALOGUE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        ItemReader reader(file);
        while (const std::optional<QString> item = reader.next())
            m_items << *item;
    }

    void isPlainTextWithWindowsLineEnds()
    {
        QVERIFY(m_bytes.endsWith("\r\n"));
        QCOMPARE(m_bytes.count('\r'), m_bytes.count("\r\n"));
        QCOMPARE(m_bytes.count('\n'), m_bytes.count("\r\n"));
        for (const char byte : std::as_const(m_bytes))
            QVERIFY2(byte == '\r' || byte == '\n' || (byte >= ' ' && byte <= '~'), "not printable ASCII");
    }

    void startsWithItsOnlyVersionItem()
    {
        QVERIFY(m_items.size() > 1);
        QVERIFY(m_items.size() <= 32766);
        QCOMPARE(CatalogueParser::classify(m_items.first()), CatalogueParser::ItemKind::Version);
        QVERIFY(m_items.first().size() > 2);
        for (qsizetype i = 1; i < m_items.size(); ++i)
            QVERIFY2(CatalogueParser::classify(m_items.at(i)) != CatalogueParser::ItemKind::Version,
                     qPrintable(m_items.at(i)));
    }

    void groupsAreUniqueAndEveryCommandHasASection()
    {
        QSet<QString> categories;
        QSet<QString> sections;
        bool inCategory = false;
        bool inSection = false;
        for (const QString& item : std::as_const(m_items)) {
            switch (CatalogueParser::classify(item)) {
            case CatalogueParser::ItemKind::Empty:
                QFAIL("empty item");
            case CatalogueParser::ItemKind::Category:
                QVERIFY2(item.endsWith(u'}') && item.size() > 2, qPrintable(item));
                QVERIFY2(!categories.contains(item), qPrintable(item));
                categories.insert(item);
                inCategory = true;
                inSection = false;
                break;
            case CatalogueParser::ItemKind::Section:
                QVERIFY2(item.endsWith(u']') && item.size() > 2, qPrintable(item));
                QVERIFY2(!sections.contains(item), qPrintable(item));
                QVERIFY2(inCategory, qPrintable(item));
                sections.insert(item);
                inSection = true;
                break;
            case CatalogueParser::ItemKind::Command:
                QVERIFY2(inSection, qPrintable(item));
                break;
            case CatalogueParser::ItemKind::Version:
                break;
            }
        }
    }

    void holdsCommandsAsPlayersBindThem_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("nominal: a button") << QStringLiteral("+forward");
        QTest::newRow("nominal: a Quake impulse") << QStringLiteral("impulse 7");
        QTest::newRow("nominal: a Quake 2 weapon") << QStringLiteral("use Railgun");
        QTest::newRow("nominal: a console variable") << QStringLiteral("sensitivity");
    }

    void holdsCommandsAsPlayersBindThem()
    {
        QFETCH(QString, command);
        QVERIFY(m_items.contains(command));
    }

    void theBuildPutsACopyNextToTheProgram()
    {
        const QString programDir = qEnvironmentVariable("CORVALE_PROGRAM_DIR");
        if (programDir.isEmpty())
            QSKIP("not run from the build's test driver");
        QCOMPARE(contents(programDir + QStringLiteral("/commands.dat")), m_bytes);
    }
};

QTEST_APPLESS_MAIN(TestShippedCatalogue)
#include "tst_shippedcatalogue.moc"
