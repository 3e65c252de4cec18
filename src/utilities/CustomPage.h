#pragma once

#include <QObject>
#include <array>

class Dialogs;
class Locations;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class SettingsStore;
struct SettingsRecord;

// The custom tab: what a double click on the clock's time does.
class CustomPage : public QObject {
    Q_OBJECT
public:
    CustomPage(QWidget* window, const SettingsRecord& record, SettingsStore& store,
               Dialogs& dialogs, const Locations& locations);

    void populate();
    void enableByChecks();
    void applyActions();
    void applyLaunch();

signals:
    void changed();

private:
    void saikinCheck_Click();
    void saikin_button_Click();
    void WinCheck_Click();
    void boot_Click(bool selected);
    void kidouCheck_Click();
    void sansyou_b_Click();

    QWidget* window_;
    const SettingsRecord& record_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    const Locations& locations_;
    QCheckBox* saikinCheck_;
    QCheckBox* WinCheck_;
    std::array<QRadioButton*, 2> boot_;
    QCheckBox* kidouCheck_;
    QLineEdit* Text3_;
    QPushButton* sansyou_b_;
};
