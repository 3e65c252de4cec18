// ZKtmpdel: run at login, it deletes the leftover "*.tmp" files of the temporary folder that
// belong to the user running it and that no running program holds open.
#include <QTextStream>

#include "core/TempFileCleaner.h"
#include "platform/XdgLocations.h"

// No QCoreApplication: nothing here needs an event loop, and it would only slow the start.
int main(int argc, char* argv[]) {
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : XdgLocations().tempFolder();
    QTextStream err(stderr);
    const TempFileCleaner cleaner(folder);
    if (!cleaner.isOpen()) {
        err << "ZKtmpdel: cannot open the folder " << folder << "\n";
        return 1;
    }
    // A file that vanished on its own is no failure here: only what stays is told.
    const TempFileCleaner::Outcome outcome = cleaner.clean(cleaner.list(), [] {});
    if (outcome.left.isEmpty()) return 0;
    err << "ZKtmpdel: kept " << outcome.inUse << " file(s) in use, " << outcome.refused
        << " file(s) it may not delete and " << outcome.failed
        << " file(s) it could not delete for another reason\n";
    return 1;
}
