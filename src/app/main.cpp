#include <QApplication>

#include "app/Application.h"
#include "app/ProgramIcon.h"
#include "core/UiText.h"
#include "platform/LinuxPlatform.h"
#include "platform/QtDialogs.h"
#include "widgets/Accessible.h"
#include "widgets/FocusStyle.h"

namespace {

// Chooses how Qt draws, before it starts.
void prepareQt() {
    // Wayland lets no program place its own windows; the strip needs XWayland for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Shared-memory images make every repaint wait for a round trip to the X server: a second
    // wake-up each second for a strip of 152 x 16 pixels that is cheaper to send whole.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

}  // namespace

int main(int argc, char* argv[]) {
    LinuxPlatform desktop(UiText::appTitle);
    // A second copy ends before it loads the windowing toolkit, which is most of what it costs.
    if (desktop.services().lifecycle.otherInstanceRunning()) return 0;

    prepareQt();
    QApplication qt(argc, argv);
    QApplication::setApplicationName("ZKTIME");
    QApplication::setQuitOnLastWindowClosed(false);
    QtDialogs::useJapanese();
    Accessible::install();
    QApplication::setStyle(new FocusStyle);
    desktop.dialogs().setWindowIcon(&ProgramIcon::forWindows);

    Application app(desktop.services());
    if (!app.start()) return 0;
    return QApplication::exec();
}
