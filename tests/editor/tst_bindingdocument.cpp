#include "editor/bindingdocument.h"
#include "editor/listdiagnostics.h"

#include <QFile>
#include <QIcon>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QStringList texts(const BindingList& rows)
{
    QStringList result;
    for (int row = 1; row <= rows.count(); ++row)
        result << rows.text(row);
    return result;
}

} // namespace

// The document without a window: reading in its two modes, errors as values, and the history.
class TestBindingDocument : public QObject
{
    Q_OBJECT

private slots:
    void readModes_data();
    void readModes();
    void everyChangeCanBeUndone_data();
    void everyChangeCanBeUndone();
    void openingStartsAFreshHistory();
    void markersFollowEdits();
    void openedLinesAreCheckedOnceForTheGameExpected();

private:
    // Writes a file in the test's folder and gives its path.
    QString write(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_dir;
};

QString TestBindingDocument::write(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestBindingDocument::readModes_data()
{
    QTest::addColumn<QString>("kind"); // what stands at the path
    QTest::addColumn<bool>("commandLine");
    QTest::addColumn<QStringList>("rows"); // empty with an error
    QTest::addColumn<int>("error");        // -1: none
    const QStringList all{QStringLiteral("a"), QString(), QStringLiteral("b")};
    QTest::newRow("nominal: Open keeps blank lines") << "file" << false << all << -1;
    QTest::newRow("nominal: the command line drops them")
        << "file" << true << QStringList{QStringLiteral("a"), QStringLiteral("b")} << -1;
    QTest::newRow("nominal: missing") << "missing" << false << QStringList{} << int(DocumentError::Kind::NotFound);
    QTest::newRow("mend: a named pipe is not waited on")
        << "fifo" << true << QStringList{} << int(DocumentError::Kind::NotFound);
    QTest::newRow("nominal: a folder") << "folder" << false << QStringList{} << int(DocumentError::Kind::NotFound);
}

void TestBindingDocument::readModes()
{
    QFETCH(QString, kind);
    QFETCH(bool, commandLine);
    QFETCH(QStringList, rows);
    QFETCH(int, error);
    const QString name = QString::fromLatin1(QTest::currentDataTag()).section(u':', 0, 0) + kind;
    const QString path = m_dir.filePath(name);
    if (kind == QLatin1String("file")) {
        write(name, "a\r\n\r\nb");
    } else if (kind == QLatin1String("fifo")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    }
    BindingDocument document;
    document.appendRow(QStringLiteral("kept"), QStringLiteral("Add"));
    const auto result = document.open(path, commandLine ? BindingDocument::ReadMode::CommandLine
                                                        : BindingDocument::ReadMode::Open);
    QCOMPARE(result ? int(result->kind) : -1, error);
    QCOMPARE(texts(document.rows()), error < 0 ? rows : QStringList{QStringLiteral("kept")});
    QCOMPARE(document.fileName(), error < 0 ? path : QString());
}

void TestBindingDocument::everyChangeCanBeUndone_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("after");
    const QString a = QStringLiteral("a"), b = QStringLiteral("b"), x = QStringLiteral("x");
    QTest::newRow("nominal: insert") << "insert" << QStringList{x, a, b};
    QTest::newRow("nominal: append") << "append" << QStringList{a, b, x};
    QTest::newRow("nominal: replace") << "replace" << QStringList{a, x};
    QTest::newRow("nominal: remove") << "remove" << QStringList{a};
    QTest::newRow("nominal: remove all") << "removeAll" << QStringList{};
}

void TestBindingDocument::everyChangeCanBeUndone()
{
    QFETCH(QString, change);
    QFETCH(QStringList, after);
    BindingDocument document;
    document.rows().append(QStringLiteral("a"));
    document.rows().append(QStringLiteral("b"));
    const QString x = QStringLiteral("x");
    const QHash<QString, std::function<void()>> changes{
        {QStringLiteral("insert"), [&] { document.insertRow(1, x, QStringLiteral("Paste")); }},
        {QStringLiteral("append"), [&] { document.appendRow(x, QStringLiteral("Add")); }},
        {QStringLiteral("replace"), [&] { document.replaceRow(2, x); }},
        {QStringLiteral("remove"), [&] { document.removeRow(2, QStringLiteral("Cut")); }},
        {QStringLiteral("removeAll"), [&] { document.removeAllRows(); }},
    };
    changes[change]();
    QCOMPARE(texts(document.rows()), after);
    for (int twice = 0; twice < 2; ++twice) {
        document.history().undo();
        QCOMPARE(texts(document.rows()), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
        document.history().redo();
        QCOMPARE(texts(document.rows()), after);
    }
}

void TestBindingDocument::openingStartsAFreshHistory()
{
    const QString path = write(QStringLiteral("fresh.cfg"), "bind a x\r\n");
    BindingDocument document;
    document.appendRow(QStringLiteral("row"), QStringLiteral("Add"));
    QVERIFY(!document.open(path, BindingDocument::ReadMode::Open));
    QVERIFY(!document.history().canUndo());
    document.removeAllRows();
    document.close();
    QVERIFY(!document.history().canUndo());
    QVERIFY(document.isUntitled());
}

// Random edits through the document leave the markers as a check of the whole list does.
void TestBindingDocument::markersFollowEdits()
{
    const QStringList lines{QStringLiteral("bind a +jump"),      QStringLiteral("bind A +jump"),
                            QStringLiteral("set sensitivity 3"), QStringLiteral("bind a \"say \"hi\"\""),
                            QStringLiteral("// note"),           QStringLiteral("bind MOUSE4 +attack")};
    BindingDocument document;
    ListDiagnostics live(document.rows(), console::Game::Quake);
    QSignalSpy changed(&live, &ListDiagnostics::changed);
    QRandomGenerator random(7);
    for (int step = 0; step < 200; ++step) {
        const int count = document.rows().count();
        const QString line = lines[random.bounded(int(lines.size()))];
        const int position = count ? int(random.bounded(count)) + 1 : 1;
        switch (count ? random.bounded(4) : 0) {
        case 0:
            document.insertRow(position, line, QStringLiteral("Paste"));
            break;
        case 1:
            document.replaceRow(position, line);
            break;
        case 2:
            document.removeRow(position, QStringLiteral("Delete Selected"));
            break;
        default:
            document.history().undo();
            break;
        }
    }
    QCOMPARE(changed.count(), 200);
    BindingList copy;
    for (const QString& text : texts(document.rows()))
        copy.append(text);
    const ListDiagnostics whole(copy, console::Game::Quake);
    for (int row = 0; row < copy.count(); ++row) {
        // The same marker: one icon is shared by every row of a severity.
        QCOMPARE(live.decoration(row).value<QIcon>().cacheKey(), whole.decoration(row).value<QIcon>().cacheKey());
        QCOMPARE(live.toolTip(row), whole.toolTip(row));
    }
    QCOMPARE(live.summary(), whole.summary());
}

// A game chosen from the lines while they are being opened (the window guesses it) is the one
// they are checked for, and they are checked once.
void TestBindingDocument::openedLinesAreCheckedOnceForTheGameExpected()
{
    const QString path = write(QStringLiteral("quake2.cfg"), "set crosshair 1\r\n");
    BindingDocument document;
    document.appendRow(QStringLiteral("set before 1"), QStringLiteral("Add"));
    ListDiagnostics diagnostics(document.rows(), console::Game::Quake);
    QSignalSpy changed(&diagnostics, &ListDiagnostics::changed);
    connect(&document, &BindingDocument::opening, this, [&](const LineStore& lines) {
        QCOMPARE(lines.size(), 1);
        QCOMPARE(document.rows().text(1), QStringLiteral("set before 1")); // not yet replaced
        diagnostics.expectEngine(console::Game::Quake2);
    });
    QVERIFY(!document.open(path, BindingDocument::ReadMode::Open));
    QCOMPARE(diagnostics.engine(), console::Engine(console::Game::Quake2));
    QCOMPARE(diagnostics.summary(), QStringLiteral("No problems")); // no set-in-quake
    QCOMPARE(changed.count(), 1);
}

QTEST_GUILESS_MAIN(TestBindingDocument)
#include "tst_bindingdocument.moc"
