#include "app/checkcommand.h"
#include "editor/frmmain.h"
#include "keymap/keymapexport.h"
#include "presentation/frmsplash.h"
#include "selfcheck.h"
#include "shared/application.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

bool platformChosen(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0)
            return true;
    return false;
}

// A program cannot place its own windows under Wayland, and the side windows must sit
// against the main window: with XWayland at hand, run on X11 unless told otherwise.
void preferX11UnderWayland(int argc, char* argv[])
{
    if (!platformChosen(argc, argv) && qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

bool displayAvailable(int argc, char* argv[])
{
    return platformChosen(argc, argv) || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

void centre(QWidget* window)
{
    const QRect screen = window->screen()->availableGeometry();
    window->move(screen.center() - window->rect().center());
}

} // namespace

int main(int argc, char* argv[])
{
    if (checkcommand::requested(argc, argv)) // the command-line checker needs no display
        return checkcommand::run(argc, argv);
    if (keymapRequested(argc, argv)) // draws the keyboard map to a file; needs no display
        return keymapMain(argc, argv);
    if (selfCheckRequested(argc, argv))
        return selfCheck(argc, argv);
    if (!displayAvailable(argc, argv)) {
        std::fputs(
            "corvale: no display found.\n"
            "Corvale is a desktop program and needs a graphical session (X11 or Wayland).\n"
            "Without one, run it on a virtual display:   xvfb-run -a corvale\n"
            "or on Qt's VNC platform:                    corvale -platform vnc  (then connect a VNC viewer to port 5900)\n",
            stderr);
        return 1;
    }
    preferX11UnderWayland(argc, argv);

    QApplication app(argc, argv);
    application::configure();

    const QString commandLine = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    std::unique_ptr<frmMain> mainWindow;
    auto* splash = new frmSplash([&] {
        mainWindow = std::make_unique<frmMain>(commandLine);
        mainWindow->adjustSize();
        centre(mainWindow.get());
        mainWindow->show();
    });
    // A splash window takes no part in quitting when the last window closes.
    QObject::connect(splash, &frmSplash::dismissed, &app, &QCoreApplication::quit);
    centre(splash);
    splash->show();
    return app.exec();
}
