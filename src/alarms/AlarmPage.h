#pragma once

#include <QObject>
#include <array>

class Dialogs;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QWidget;
class SettingsStore;
struct SettingsRecord;

// The alarm tab: three slots, each with an on/off box, hour and minute, message and once/daily.
class AlarmPage : public QObject {
    Q_OBJECT
public:
    AlarmPage(QWidget* window, SettingsRecord& record, SettingsStore& store, Dialogs& dialogs);

    void populate();
    void disableOffRows();
    void apply();

signals:
    void changed();

private:
    void onoffCheck_Click();
    void Text2_Change();
    void dayOB_Click(bool selected);
    void enableRows();
    void applySlot(int slot);

    QWidget* window_;
    SettingsRecord& record_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    std::array<QCheckBox*, 3> onoffCheck_;
    std::array<QLineEdit*, 9> Text2_;
    std::array<QRadioButton*, 6> dayOB_;
};
