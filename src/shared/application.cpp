#include "shared/application.h"

#include "shared/fonts.h"
#include "shared/identity.h"

#include <QApplication>

namespace application {

void configure()
{
    identity::nameTheApplication();
    // No application display name: X11 platforms append it to every title bar.
    QGuiApplication::setDesktopFileName(identity::ApplicationId);
    QApplication::setStyle(QStringLiteral("Fusion"));
    fonts::registerSubstitutes();
}

} // namespace application
