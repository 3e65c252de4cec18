// ZKtmpdel: run at login, it deletes the leftover "*.tmp" files of the temporary folder that no
// running program holds open.
#include <QCoreApplication>
#include <QTextStream>

#include "platform/XdgLocations.h"
#include "utilities/TempFileCleaner.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : XdgLocations().tempFolder();
    int failures = 0;
    const QStringList left = TempFileCleaner::clean(folder, [&] { ++failures; });
    if (!left.isEmpty())
        QTextStream(stderr) << "ZKtmpdel: " << left.size() << " file(s) in use were kept\n";
    return failures == 0 ? 0 : 1;
}
