#include <QApplication>

#include "app/Application.h"
#include "app/ProgramIcon.h"
#include "platform/LinuxPlatform.h"

int main(int argc, char* argv[]) {
    // Wayland lets no program place its own windows; the strip needs XWayland for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication qt(argc, argv);
    QApplication::setApplicationName("ZKTIME");
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon::icon());

    LinuxPlatform desktop;
    Application app(desktop.services());
    if (!app.start()) return 0;
    return QApplication::exec();
}
