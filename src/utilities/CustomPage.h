#pragma once

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SettingsWindow;

// The custom tab: what a double click on the clock's time does.
class CustomPage {
public:
    explicit CustomPage(SettingsWindow& window);

    void populate();
    void enableByChecks();
    void applyActions();
    void applyLaunch();

private:
    void WinCheck_Click();
    void kidouCheck_Click();
    void sansyou_b_Click();

    SettingsWindow& window_;
    QCheckBox* saikinCheck_;
    QCheckBox* WinCheck_;
    std::array<QRadioButton*, 2> boot_;
    QCheckBox* kidouCheck_;
    QLineEdit* Text3_;
    QPushButton* sansyou_b_;
};
