#include "catalogue/frmcommands.h"
#include "editor/frmmain.h"
#include "funname/frmname.h"
#include "shared/application.h"
#include "shared/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The title as the window manager shows it, not as the window holds it.
QString platformTitle(const QWidget& window)
{
    const QString answer = run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                                         QStringLiteral("_NET_WM_NAME")});
    const qsizetype start = answer.indexOf(u'"');
    QString title = answer.mid(start + 1, answer.lastIndexOf(u'"') - start - 1);
    return title.replace(QLatin1String("\\\""), QLatin1String("\""));
}

int field(const QString& text, const char* name)
{
    const QRegularExpression pattern(QLatin1String(name) + QStringLiteral(":\\s*(-?\\d+)"));
    return pattern.match(text).captured(1).toInt();
}

// The outer frame as the X server has it: the client window plus the manager's frame extents.
QRect platformFrame(const QWidget& window)
{
    const QString id = QString::number(window.winId());
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    const QString extents = run(QStringLiteral("xprop"),
                                {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")});
    const QStringList sides = extents.section(u'=', 1).split(u',');
    if (sides.size() != 4)
        return {};
    const int left = sides[0].toInt(), right = sides[1].toInt(), top = sides[2].toInt(), bottom = sides[3].toInt();
    return {field(info, "Absolute upper-left X") - left, field(info, "Absolute upper-left Y") - top,
            field(info, "Width") + left + right, field(info, "Height") + top + bottom};
}

// Lets the X server and the window manager answer what was asked of them so far: each round
// is a request to the server from another client and the events that have come meanwhile.
// Rounds, not time, so a busy machine only makes it slower.
void serverRounds(int count)
{
    for (int round = 0; round < count; ++round) {
        run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
        QCoreApplication::processEvents();
    }
}

// Counts the window's moves while it lives.
struct MoveCounter : QObject
{
    explicit MoveCounter(QWidget* window) { window->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Move;
        return false;
    }
    int count = 0;
};

} // namespace

// The program on an X server with openbox: what a user sees and can do there.
class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aKeyOnTheSplashEndsTheProgram();
    void titlesAreExactlyTheirText();
    void sideWindowsDockExactly_data();
    void sideWindowsDockExactly();
    void dockingStopsAtTheScreenEdge();
    void theMainWindowKeepsItsSize();

private:
    QWidget* openSideWindow(const char* item);

    QTemporaryDir m_dir;
    std::unique_ptr<frmMain> m_main;
};

void TestDesktop::initTestCase()
{
    application::configure();
}

void TestDesktop::init()
{
    m_main = std::make_unique<frmMain>(m_dir.filePath(QStringLiteral("autoexec.cfg")));
    m_main->move(100, 100);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void TestDesktop::cleanup()
{
    m_main.reset();
}

QWidget* TestDesktop::openSideWindow(const char* item)
{
    m_main->menuItem(QLatin1String(item))->trigger();
    QWidget* side = m_main->keyboardMapWindow();
    if (!side)
        side = m_main->commandsWindow() ? static_cast<QWidget*>(m_main->commandsWindow()) : m_main->nameWindow();
    if (side && !QTest::qWaitForWindowExposed(side))
        return nullptr;
    return side;
}

void TestDesktop::aKeyOnTheSplashEndsTheProgram()
{
    QProcess program;
    program.start(qEnvironmentVariable("CORVALE_PROGRAM_DIR") + QStringLiteral("/corvale"), QStringList());
    QVERIFY(program.waitForStarted());
    // The splash is up and has the keyboard once xdotool finds its window focused.
    const QString pid = QString::number(program.processId());
    QVERIFY(!run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--sync"),
                                             QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), pid})
                 .isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(
        run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus"), QStringLiteral("getwindowpid")}).trimmed()
            == pid,
        30000);
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("q")});
    QVERIFY2(program.waitForFinished(30000), "the program did not end after the key");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());
}

void TestDesktop::titlesAreExactlyTheirText()
{
    QFile file(m_dir.filePath(QStringLiteral("autoexec.cfg")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    cleanup();
    init();
    QCOMPARE(platformTitle(*m_main), m_dir.filePath(QStringLiteral("autoexec.cfg")));
    QWidget* catalogue = openSideWindow("mnuCommandList");
    QVERIFY(catalogue);
    QCOMPARE(platformTitle(*catalogue), QStringLiteral("Command List - v1.0"));
    QWidget* name = openSideWindow("mnuFunName");
    QVERIFY(name);
    QCOMPARE(platformTitle(*name), QStringLiteral("Vantor's Name Utility"));
    name->close();
    QWidget* map = openSideWindow("mnuKeyboardMap");
    QVERIFY(map);
    QCOMPARE(platformTitle(*map), QStringLiteral("Keyboard Map"));
    map->close();

    QString boxTitle;
    QTimer::singleShot(0, this, [&boxTitle] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !QTest::qWaitForWindowExposed(box))
            return;
        boxTitle = platformTitle(*box);
        box->close();
    });
    QtDialogs().message(m_main.get(), Dialogs::Icon::Critical, Dialogs::Buttons::Ok,
                        QStringLiteral("Error Saving File"), QStringLiteral("text"));
    QCOMPARE(boxTitle, QStringLiteral("Error Saving File"));
}

void TestDesktop::sideWindowsDockExactly_data()
{
    QTest::addColumn<QByteArray>("item");
    QTest::newRow("mend: the catalogue") << QByteArray("mnuCommandList");
    QTest::newRow("mend: the fun name editor") << QByteArray("mnuFunName");
    QTest::newRow("the keyboard map") << QByteArray("mnuKeyboardMap");
}

// Both frames are read again at every try: the window manager may still be placing either.
void TestDesktop::sideWindowsDockExactly()
{
    QFETCH(QByteArray, item);
    QWidget* side = openSideWindow(item.constData());
    QVERIFY(side);
    const auto offDock = [this, side] {
        const QRect main = platformFrame(*m_main);
        return platformFrame(*side).topLeft() - QPoint(main.right() + 1, main.top());
    };
    QTRY_COMPARE_WITH_TIMEOUT(offDock(), QPoint(), 4000);
}

// Where the manager refuses the docked position, docking asks once and then lets it be,
// instead of trading moves with the manager for ever.
void TestDesktop::dockingStopsAtTheScreenEdge()
{
    const QRect screen = m_main->screen()->geometry();
    m_main->move(screen.right() - m_main->frameGeometry().width() - 20, 100);
    serverRounds(5);
    m_main->menuItem(QStringLiteral("mnuCommandList"))->trigger();
    QWidget* side = m_main->commandsWindow();
    QVERIFY(side);
    const MoveCounter moves(side);
    QVERIFY(QTest::qWaitForWindowExposed(side));
    serverRounds(40);
    QVERIFY2(moves.count <= 4, qPrintable(QStringLiteral("%1 moves").arg(moves.count)));
}

void TestDesktop::theMainWindowKeepsItsSize()
{
    const QSize before = platformFrame(*m_main).size();
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowsize"), QString::number(m_main->winId()), QStringLiteral("900"), QStringLiteral("900")});
    serverRounds(5);
    QCOMPARE(platformFrame(*m_main).size(), before);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
