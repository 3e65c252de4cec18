#include "TestPlatform.h"

#include <QDir>

TestPlatform::TestPlatform() : locations(dir.path()) {
    for (const QString& folder : {locations.tempFolder(), locations.programFolder(),
                                  locations.autostartFolder(), locations.fileDialogFolder()})
        QDir().mkpath(folder);
}
