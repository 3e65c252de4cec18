#pragma once

#include <QObject>
#include <QByteArrayList>

class Dialogs;
class Locations;
class QCheckBox;
class QLabel;
class QListWidget;
class QWidget;
class SettingsStore;
struct SettingsRecord;

// The temporary-files tab: the leftover "*.tmp" files and the cleanup at every login.
class TempFilesPage : public QObject {
    Q_OBJECT
public:
    TempFilesPage(QWidget* window, const SettingsRecord& record, SettingsStore& store,
                  const Locations& locations, Dialogs& dialogs);

    void listTempFiles();
    void loadBootCleanup();
    void applyBootCleanup();

signals:
    void changed();

private:
    void onCleanupChoiceChanged();
    void onDeletePressed();
    void deleteListedFiles();
    void showList(const QByteArrayList& names);
    void registerBootCleanup();
    QString cleanupProgram() const;

    QWidget* window_;
    const SettingsRecord& record_;
    SettingsStore& store_;
    const Locations& locations_;
    Dialogs& dialogs_;
    QLabel* panel_;
    QListWidget* fileList_;
    QCheckBox* cleanupCheck_;
    bool registered_ = false;  // what the autostart entry says, as last read or written
};
