#pragma once

#include <array>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class SettingsWindow;

// The alarm tab: three slots, each with an on/off box, hour and minute, message and once/daily.
class AlarmPage {
public:
    explicit AlarmPage(SettingsWindow& window);

    void populate();
    void disableOffRows();
    void apply();

private:
    void onoffCheck_Click();
    void enableRows();
    void applySlot(int slot);

    SettingsWindow& window_;
    std::array<QCheckBox*, 3> onoffCheck_;
    std::array<QLineEdit*, 9> Text2_;
    std::array<QRadioButton*, 6> dayOB_;
};
