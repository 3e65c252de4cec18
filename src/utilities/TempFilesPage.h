#pragma once

#include <QStringList>
class QCheckBox;
class QLabel;
class QListWidget;
class SettingsWindow;

// The temporary-files tab: the leftover "*.tmp" files and the cleanup at every login.
class TempFilesPage {
public:
    explicit TempFilesPage(SettingsWindow& window);

    void listTempFiles();
    void loadBootCleanup();
    void applyBootCleanup();

private:
    void ZKTD_Check_Click();
    void DeleteT_Click();
    void showList(const QStringList& names);
    void registerBootCleanup();

    SettingsWindow& window_;
    QLabel* tmpLabel_;
    QListWidget* File1_;
    QCheckBox* ZKTD_Check_;
};
