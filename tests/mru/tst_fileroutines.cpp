#include "fileroutines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using tolvane::FileExists;

class TestFileRoutines : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileExists_data();
    void fileExists();

private:
    void makeFile(const QString& name);

    QTemporaryDir m_folder;
};

void TestFileRoutines::makeFile(const QString& name)
{
    QFile file(m_folder.filePath(name));
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
}

// One folder for every row: ordinary, read-only, hidden and special files, folders and links.
void TestFileRoutines::initTestCase()
{
    QVERIFY(m_folder.isValid());
    const QDir folder(m_folder.path());
    makeFile(QStringLiteral("bind.cfg"));
    makeFile(QStringLiteral("readonly.scr"));
    QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("readonly.scr")), QFile::ReadOwner));
    makeFile(QStringLiteral(".hidden.cfg"));
    makeFile(QStringLiteral("star*.cfg"));
    QVERIFY(folder.mkpath(QStringLiteral("configs")));
    QVERIFY(folder.mkpath(QStringLiteral("dironly*")));
    QVERIFY(folder.mkpath(QStringLiteral("onlydirs/sub.cfg")));
    QVERIFY(folder.mkpath(QStringLiteral(".quake")));
    makeFile(QStringLiteral(".quake/autoexec.cfg"));
    makeFile(QStringLiteral("configs/inner.cfg"));
    makeFile(QStringLiteral("dironly-file"));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("bind.cfg")), folder.filePath(QStringLiteral("tofile.cfg"))));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("configs")), folder.filePath(QStringLiteral("todir.cfg"))));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("gone.cfg")), folder.filePath(QStringLiteral("broken.cfg"))));
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pipe.cfg"))).constData(), 0600), 0);
}

void TestFileRoutines::fileExists_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("expected");

    const QDir folder(m_folder.path());
    const auto row = [&folder](const char* name, const char* relative, bool expected) {
        QTest::newRow(name) << folder.filePath(QLatin1String(relative)) << expected;
    };
    QTest::newRow("robustness: empty path") << QString() << false;
    row("nominal: ordinary file", "bind.cfg", true);
    row("nominal: read-only file", "readonly.scr", true);
    row("nominal: file inside a hidden folder", ".quake/autoexec.cfg", true);
    row("nominal: symlink to a file", "tofile.cfg", true);
    row("robustness: missing file", "missing.cfg", false);
    row("robustness: hidden file", ".hidden.cfg", false);
    row("robustness: directory", "configs", false);
    row("robustness: symlink to a directory", "todir.cfg", false);
    row("robustness: dangling symlink", "broken.cfg", false);
    row("robustness: named pipe", "pipe.cfg", false);
    row("robustness: trailing slash after a file", "bind.cfg/", false);
    QTest::newRow("robustness: device file") << QStringLiteral("/dev/null") << false;
    row("nominal: star matches an ordinary file", "*.scr", true);
    row("nominal: question mark matches", "bind.?fg", true);
    row("nominal: bracket set matches", "[ab]ind.cfg", true);
    row("robustness: wildcard is case-sensitive", "BIND.*", false);
    row("robustness: wildcard matching only a hidden file", ".hid*", false);
    row("robustness: wildcard matching only a directory", "onlydir*", false);
    row("robustness: wildcard matching only a pipe", "pip?.cfg", false);
    row("robustness: wildcard matching nothing", "*.dat", false);
    row("robustness: wildcard in the folder part", "conf*/inner.cfg", false);
    row("nominal: literal name with a star is taken as is", "star*.cfg", true);
    row("robustness: existing directory wins over the wildcard", "dironly*", false);
}

void TestFileRoutines::fileExists()
{
    QFETCH(QString, path);
    QFETCH(bool, expected);
    QCOMPARE(FileExists(path), expected);
}

QTEST_GUILESS_MAIN(TestFileRoutines)
#include "tst_fileroutines.moc"
