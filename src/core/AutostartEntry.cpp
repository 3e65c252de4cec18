#include "core/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/DesktopEntry.h"

AutostartEntry::AutostartEntry(const QString& folder, const QString& name)
    : path_(folder + "/" + name + ".desktop") {}

bool AutostartEntry::exists() const { return QFileInfo::exists(path_); }

bool AutostartEntry::enabled() const {
    const std::optional<DesktopEntry::Group> entry = DesktopEntry::read(path_);
    return entry && entry->value("Hidden") != "true" &&
           entry->value("X-GNOME-Autostart-enabled") != "false";
}

QString AutostartEntry::exec() const { return DesktopEntry::value(path_, "Exec"); }

QString AutostartEntry::write(const QString& command) const {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return failure(file.errorString());
    const QString name = QFileInfo(path_).completeBaseName();
    const QString body = QStringLiteral(
                             "[Desktop Entry]\nType=Application\nName=%1\nExec=%2\n"
                             "X-GNOME-Autostart-enabled=true\n")
                             .arg(name, DesktopEntry::execValue(command));
    file.write(body.toUtf8());
    return file.commit() ? QString() : failure(file.errorString());
}

QString AutostartEntry::remove() const {
    const QFileInfo info(path_);
    QFile file(path_);
    if ((!info.exists() && !info.isSymLink()) || file.remove()) return {};
    return failure(file.errorString());
}

QString AutostartEntry::failure(const QString& reason) const {
    return QDir::toNativeSeparators(path_) + ": " + reason;
}
