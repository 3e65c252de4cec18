#include "platform/LogindPower.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {

constexpr int kTimeoutMs = 5000;

std::optional<QString> callManager(const char* method) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager",
        method);
    call << false;  // not interactive
    // No events are handled while waiting: the window that asked must not be unloaded meanwhile.
    const QDBusMessage reply = QDBusConnection::systemBus().call(call, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ErrorMessage) return std::nullopt;
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

}  // namespace

std::optional<QString> LogindPower::powerOff() { return callManager("PowerOff"); }
std::optional<QString> LogindPower::reboot() { return callManager("Reboot"); }
