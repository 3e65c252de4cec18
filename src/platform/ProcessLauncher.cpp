#include "platform/ProcessLauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <optional>

#include "platform/CommandLine.h"
#include "platform/DesktopEntry.h"

namespace {

// A user pastes "/opt/My Tools/run" or picks a launcher from the applications folder; only
// what names neither is split into words.
std::optional<QStringList> words(const QString& commandLine) {
    const QFileInfo whole(commandLine);
    if (whole.isFile() && commandLine.endsWith(".desktop")) {
        const std::optional<DesktopEntry::Group> entry = DesktopEntry::read(commandLine);
        return entry ? DesktopEntry::execArguments(*entry) : QStringList();
    }
    if (whole.isFile() && whole.isExecutable()) return QStringList{commandLine};
    return CommandLine::split(commandLine);
}

}  // namespace

Launcher::Result ProcessLauncher::start(const QString& commandLine) {
    if (commandLine.trimmed().isEmpty() || commandLine.contains(QChar(0))) return InvalidArgument;
    std::optional<QStringList> line = words(commandLine);
    if (!line) return InvalidArgument;
    if (line->isEmpty()) return FileNotFound;
    const QString program = line->takeFirst();
    const QString found = program.contains('/') ? program
                                                : QStandardPaths::findExecutable(program);
    if (found.isEmpty() || !QFileInfo(found).isFile()) return FileNotFound;
    return QProcess::startDetached(found, *line) ? Started : OtherFailure;
}

bool ProcessLauncher::openDateTimePanel() {
    static const QList<QStringList> panels = {
        {"gnome-control-center", "datetime"},
        {"systemsettings", "kcm_clock"},
        {"kcmshell5", "clock"},
    };
    for (const QStringList& panel : panels) {
        const QString program = QStandardPaths::findExecutable(panel.first());
        if (!program.isEmpty()) return QProcess::startDetached(program, panel.mid(1));
    }
    return false;
}
