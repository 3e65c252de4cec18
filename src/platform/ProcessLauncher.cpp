#include "platform/ProcessLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <variant>

#include "platform/CommandLine.h"
#include "platform/DesktopEntry.h"

namespace {

// The words to start, or why nothing starts.
using Words = std::variant<Launcher::Result, QStringList>;

bool isExecutableFile(const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}

// As desktops look TryExec up: a path must be executable, a name is searched on PATH.
bool installed(const QString& tryExec) {
    return tryExec.isEmpty() || !QStandardPaths::findExecutable(tryExec).isEmpty();
}

// Desktops start only applications that are neither hidden nor missing. A relative program
// would depend on the clock's working folder, which the entry cannot know.
Words entryWords(const QString& path) {
    const std::optional<DesktopEntry::Group> entry = DesktopEntry::read(path);
    if (!entry || entry->value("Type") != "Application" || entry->value("Hidden") == "true" ||
        !installed(entry->value("TryExec")))
        return Launcher::FileNotFound;
    const std::optional<QStringList> words = DesktopEntry::execArguments(*entry);
    if (!words) return Launcher::InvalidArgument;
    if (!words->isEmpty() && words->first().contains('/') && QDir::isRelativePath(words->first()))
        return Launcher::FileNotFound;
    return *words;
}

// A user pastes "/opt/My Tools/run" or picks a launcher from the applications folder; only
// what names neither is split into words.
Words words(const QString& commandLine) {
    if (commandLine.endsWith(".desktop") && QFileInfo(commandLine).isFile())
        return entryWords(commandLine);
    if (isExecutableFile(commandLine)) return QStringList{commandLine};
    const std::optional<QStringList> split = CommandLine::split(commandLine);
    if (!split) return Launcher::InvalidArgument;
    return *split;
}

}  // namespace

ProcessLauncher::ProcessLauncher(Starter starter) : starter_(std::move(starter)) {}

bool ProcessLauncher::startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

Launcher::Result ProcessLauncher::start(const QString& commandLine) {
    if (commandLine.trimmed().isEmpty() || commandLine.contains(QChar(0))) return InvalidArgument;
    Words line = words(commandLine);
    if (const auto* refused = std::get_if<Result>(&line)) return *refused;
    QStringList& arguments = std::get<QStringList>(line);
    if (arguments.isEmpty()) return FileNotFound;
    const QString program = arguments.takeFirst();
    const QString found = program.contains('/') ? program
                                                : QStandardPaths::findExecutable(program);
    // A file that cannot be run is as good as missing to the user who named it.
    if (!isExecutableFile(found)) return FileNotFound;
    return starter_(found, arguments) ? Started : OtherFailure;
}

bool ProcessLauncher::openDateTimePanel() {
    static const QList<QStringList> panels = {
        {"gnome-control-center", "datetime"},
        {"systemsettings", "kcm_clock"},
        {"kcmshell5", "clock"},
    };
    for (const QStringList& panel : panels) {
        const QString program = QStandardPaths::findExecutable(panel.first());
        if (!program.isEmpty()) return starter_(program, panel.mid(1));
    }
    return false;
}
