// ZKtmpdel: run at login, it deletes the leftover "*.tmp" files of the temporary folder that
// belong to the user running it and that no running program holds open.
#include <QTextStream>

#include "platform/XdgLocations.h"
#include "utilities/TempFileCleaner.h"

// No QCoreApplication: nothing here needs an event loop, and it would only slow the start.
int main(int argc, char* argv[]) {
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : XdgLocations().tempFolder();
    QTextStream err(stderr);
    const TempFileCleaner cleaner(folder);
    if (!cleaner.isOpen()) {
        err << "ZKtmpdel: cannot open the folder " << folder << "\n";
        return 1;
    }
    int failures = 0;
    const TempFileCleaner::Outcome outcome = cleaner.clean(cleaner.list(), [&] { ++failures; });
    if (failures > 0)
        err << "ZKtmpdel: kept " << outcome.inUse << " file(s) in use and " << outcome.refused
            << " file(s) it may not delete\n";
    return failures == 0 ? 0 : 1;
}
