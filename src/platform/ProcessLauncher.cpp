#include "platform/ProcessLauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

Launcher::Result ProcessLauncher::start(const QString& commandLine) {
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty()) return InvalidArgument;
    const QString program = words.takeFirst();
    const QString found = program.contains('/') ? program
                                                : QStandardPaths::findExecutable(program);
    if (found.isEmpty() || !QFileInfo(found).isFile()) return FileNotFound;
    return QProcess::startDetached(found, words) ? Started : OtherFailure;
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
