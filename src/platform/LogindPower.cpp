#include "platform/LogindPower.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {

void callManager(const char* method) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager",
        method);
    call << false;  // not interactive
    QDBusConnection::systemBus().call(call, QDBus::BlockWithGui, 5000);
}

}  // namespace

void LogindPower::powerOff() { callManager("PowerOff"); }
void LogindPower::reboot() { callManager("Reboot"); }
