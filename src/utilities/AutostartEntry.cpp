#include "utilities/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

AutostartEntry::AutostartEntry(const QString& folder, const QString& name)
    : path_(folder + "/" + name + ".desktop") {}

bool AutostartEntry::exists() const { return QFileInfo::exists(path_); }

QString AutostartEntry::exec() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith('[')) inEntry = line == "[Desktop Entry]";
        else if (inEntry && line.startsWith("Exec=")) return line.mid(5).trimmed();
    }
    return {};
}

namespace {

// Exec values quote arguments that hold blanks or the characters the format reserves.
QString quoted(const QString& path) {
    static const QString reserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    if (std::none_of(path.begin(), path.end(), [](QChar c) { return reserved.contains(c); }))
        return path;
    QString escaped = path;
    for (const char* c : {"\\", "\"", "`", "$"}) escaped.replace(c, QString("\\") + c);
    return '"' + escaped + '"';
}

}  // namespace

bool AutostartEntry::write(const QString& command) const {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QString name = QFileInfo(path_).completeBaseName();
    const QString body = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(name, quoted(command));
    file.write(body.toUtf8());
    return file.commit();
}

bool AutostartEntry::remove() const { return QFile::remove(path_); }
