#include "platform/XdgLocations.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace {

QString config() { return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation); }
QString data() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }

}  // namespace

QString XdgLocations::settingsFile() const { return config() + "/ZORVEK Inc.TIME/settings.db"; }
QString XdgLocations::tempFolder() const { return "/tmp"; }
QString XdgLocations::recentDocumentsFolder() const { return data() + "/RecentDocuments"; }
QString XdgLocations::recentlyUsedFile() const { return data() + "/recently-used.xbel"; }
QString XdgLocations::autostartFolder() const { return config() + "/autostart"; }
QString XdgLocations::fileDialogFolder() const { return "/usr/share/applications"; }
QString XdgLocations::programFolder() const { return QCoreApplication::applicationDirPath(); }
