#include "editor/bindinglist.h"
#include "editor/frmmain.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProgressBar>
#include <QSettings>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace {

enum class Command { Save, SaveAs };

QString systemMessage(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A filesystem mounted for one test and unmounted when the test ends, however it ends.
class Mount
{
public:
    Mount(const QString& source, const QString& target, const char* type, unsigned long flags, const char* options)
        : m_target(QFile::encodeName(target))
    {
        if (::geteuid() != 0) {
            m_failure = QStringLiteral("mounting a filesystem needs root; this test runs as user %1").arg(::geteuid());
            return;
        }
        if (::mount(QFile::encodeName(source).constData(), m_target.constData(), type, flags, options) != 0) {
            m_failure = QStringLiteral("the system refused the mount: %1").arg(systemMessage(errno));
            return;
        }
        m_mounted = true;
    }
    ~Mount() { unmount(); }
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;

    // Why the mount was not made; empty when it was.
    QString failure() const { return m_failure; }

    void unmount()
    {
        if (m_mounted && ::umount2(m_target.constData(), MNT_DETACH) == 0)
            m_mounted = false;
    }

private:
    QByteArray m_target;
    QString m_failure;
    bool m_mounted = false;
};

// Every entry under folder with its bytes ("<folder>" for folders), to show that nothing there
// changed: no byte of an old file, no file left behind.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        QFile file(entry);
        entries.insert(entry, it.fileInfo().isDir() || !file.open(QIODevice::ReadOnly) ? QByteArray("<folder>")
                                                                                       : file.readAll());
    }
    return entries;
}

// Fills the filesystem that holds path, so that its next write fails.
bool fillUp(const QString& path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
    return QStorageInfo(path).bytesAvailable() == 0;
}

} // namespace

// Saves that fail at each stage (the file cannot be created, the disk fills up while it is
// written, the finished file cannot replace the old one) leave every old byte where it was and
// tell the player which file was not saved; long and binary lines survive a save and reopen.
class TestSaveFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cannotCreate_data();
    void cannotCreate();
    void diskFullMidWrite_data();
    void diskFullMidWrite();
    void commitFails_data();
    void commitFails();

    void megabyteLineSurvives();
    void everyByteSurvives();

private:
    // One row for Save and one for Save As, each with the same further columns.
    template <typename... Columns>
    static void addCommandRows(const char* fault, const Columns&... columns);
    QString path(const QString& name) const { return m_dir->filePath(name); }
    void writeFile(const QString& file, const QByteArray& bytes) const;
    QByteArray readFile(const QString& file) const;
    QStringList rows() const;
    void openFile(const QString& file);
    void save(Command command, const QString& target);
    void verifyReported(const QString& target, const QString& reason) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMain> m_window;
};

void TestSaveFaults::init()
{
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("TolvaneLists")).clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window = std::make_unique<frmMain>();
}

void TestSaveFaults::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
    m_dir.reset();
}

template <typename... Columns>
void TestSaveFaults::addCommandRows(const char* fault, const Columns&... columns)
{
    ((QTest::addRow("robustness: Save, %s", fault) << Command::Save) << ... << columns);
    ((QTest::addRow("robustness: Save As, %s", fault) << Command::SaveAs) << ... << columns);
}

void TestSaveFaults::writeFile(const QString& file, const QByteArray& bytes) const
{
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(bytes), bytes.size());
}

QByteArray TestSaveFaults::readFile(const QString& file) const
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
}

QStringList TestSaveFaults::rows() const
{
    QStringList result;
    for (int position = 1; position <= m_window->lstBind().count(); ++position)
        result << m_window->lstBind().text(position);
    return result;
}

void TestSaveFaults::openFile(const QString& file)
{
    m_dialogs->answerFile(file);
    m_window->menuItem(QStringLiteral("mnuOpen"))->trigger();
    QCOMPARE(m_window->caption(), file);
}

// Save writes to the file the list came from without asking, and asks while the list has no
// file; Save As always asks.
void TestSaveFaults::save(Command command, const QString& target)
{
    if (command == Command::SaveAs || m_window->caption() != target)
        m_dialogs->answerFile(target);
    if (command == Command::Save)
        m_window->menuItem(QStringLiteral("mnuSave"))->trigger();
    else
        m_window->menuItem(QStringLiteral("mnuSaveAs"))->trigger();
    QVERIFY(m_dialogs->allAnswersUsed());
}

void TestSaveFaults::verifyReported(const QString& target, const QString& reason) const
{
    QCOMPARE(m_dialogs->messages().size(), 1);
    const ScriptedDialogs::Call message = m_dialogs->messages().constFirst();
    QCOMPARE(message.title, QStringLiteral("Error Saving File"));
    QCOMPARE(message.icon, Dialogs::Icon::Critical);
    QCOMPARE(message.buttons, Dialogs::Buttons::Ok);
    QVERIFY2(message.text.startsWith(QStringLiteral("File '%1' could not be saved.").arg(target)),
             qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QCOMPARE(m_window->Progress()->value(), 0);
}

void TestSaveFaults::cannotCreate_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    const struct
    {
        const char* fault;
        const char* target;
        QString reason;
    } faults[] = {
        {"a folder stands where the file should be", "autoexec.cfg", QStringLiteral("directory")},
        {"the file's folder is a regular file", "notes.txt/autoexec.cfg", systemMessage(ENOTDIR)},
        {"the file's folder does not exist", "missing/autoexec.cfg", systemMessage(ENOENT)},
    };
    for (const auto& fault : faults)
        addCommandRows(fault.fault, QString::fromLatin1(fault.target), fault.reason);
}

void TestSaveFaults::cannotCreate()
{
    QFETCH(Command, command);
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("autoexec.cfg")));
    writeFile(path(QStringLiteral("autoexec.cfg/keep.cfg")), "bind w \"+forward\"\r\n");
    writeFile(path(QStringLiteral("notes.txt")), "not a folder");
    m_window->lstBind().append(QStringLiteral("bind e \"+use\""));
    const auto before = snapshot(m_dir->path());

    save(command, path(target));

    verifyReported(path(target), reason);
    QCOMPARE(snapshot(m_dir->path()), before);
}

void TestSaveFaults::diskFullMidWrite_data()
{
    QTest::addColumn<Command>("command");
    addCommandRows("the disk fills up while the rows are written");
}

void TestSaveFaults::diskFullMidWrite()
{
    QFETCH(Command, command);
    const QString disk = path(QStringLiteral("small-disk"));
    QVERIFY(QDir().mkpath(disk));
    Mount small(QStringLiteral("tmpfs"), disk, "tmpfs", 0, "size=64k");
    if (!small.failure().isEmpty())
        QSKIP(qPrintable(small.failure()));
    const QString target = disk + QStringLiteral("/autoexec.cfg");
    writeFile(target, "bind w \"+forward\"\r\nbind s \"+back\"\r\n");
    QVERIFY(fillUp(disk + QStringLiteral("/filler")));
    openFile(target);
    // Far more than the whole disk holds, so the save fails after its file was made.
    for (int row = 0; row < 20'000; ++row)
        m_window->lstBind().append(QStringLiteral("bind k%1 \"say row %1 of a list too big for the disk\"").arg(row));
    const auto before = snapshot(disk);

    save(command, target);

    verifyReported(target, systemMessage(ENOSPC));
    QCOMPARE(snapshot(disk), before);
    QCOMPARE(m_window->lstBind().count(), 20'002);
}

void TestSaveFaults::commitFails_data()
{
    QTest::addColumn<Command>("command");
    addCommandRows("the written file cannot replace the old one");
}

// A file mounted over another, as a config shared into a container is, cannot be replaced by
// a rename: the new file is written in full and only its last step, taking the old one's
// place, fails.
void TestSaveFaults::commitFails()
{
    QFETCH(Command, command);
    const QString shared = path(QStringLiteral("host/autoexec.cfg"));
    const QString target = path(QStringLiteral("game/autoexec.cfg"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("host"))) && QDir().mkpath(path(QStringLiteral("game"))));
    writeFile(shared, "bind w \"+forward\"\r\nname \"Vantor\"\r\n");
    writeFile(target, "the file underneath\r\n");
    Mount sharedIn(shared, target, nullptr, MS_BIND, nullptr);
    if (!sharedIn.failure().isEmpty())
        QSKIP(qPrintable(sharedIn.failure()));
    openFile(target);
    QCOMPARE(rows(), QStringList({QStringLiteral("bind w \"+forward\""), QStringLiteral("name \"Vantor\"")}));
    m_window->lstBind().append(QStringLiteral("bind e \"+use\""));
    const auto before = snapshot(m_dir->path());

    save(command, target);

    verifyReported(target, systemMessage(EBUSY));
    QCOMPARE(snapshot(m_dir->path()), before);
    sharedIn.unmount();
    QCOMPARE(readFile(target), QByteArray("the file underneath\r\n"));
}

void TestSaveFaults::megabyteLineSurvives()
{
    QString line = QStringLiteral("alias spam \"");
    while (line.size() < (1 << 20))
        line += QStringLiteral("say gg;wait;");
    line += u'"';
    m_window->lstBind().append(line);
    const QString target = path(QStringLiteral("long.cfg"));

    save(Command::SaveAs, target);
    QCOMPARE(readFile(target), line.toLatin1() + "\r\n");
    m_window->menuItem(QStringLiteral("mnuNew"))->trigger();
    openFile(target);

    QCOMPARE(rows(), QStringList{line});
    QVERIFY(m_dialogs->messages().isEmpty());
}

void TestSaveFaults::everyByteSurvives()
{
    QByteArray original;
    for (int byte = 1; byte <= 255; ++byte) {
        if (byte != '\r' && byte != '\n')
            original += char(byte);
        if (byte == 127 || byte == 255)
            original += "\r\n";
    }
    const QString target = path(QStringLiteral("bytes.cfg"));
    writeFile(target, original);
    openFile(target);
    const QStringList read = rows();
    QCOMPARE(read.size(), 2);

    save(Command::Save, target);
    QCOMPARE(readFile(target), original);
    m_window->menuItem(QStringLiteral("mnuNew"))->trigger();
    openFile(target);

    QCOMPARE(rows(), read);
    QVERIFY(m_dialogs->messages().isEmpty());
}

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
