#pragma once

#include <QSize>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class SettingsWindow;

// The clock display tab: position sliders, recommended position, topmost, title-bar colours,
// the date-and-time panel and the exit and restart buttons' look.
class ClockDisplayPage {
public:
    explicit ClockDisplayPage(SettingsWindow& window);

    void loadPosition();
    void loadScreenSize();
    void populateExitButtons();
    void enableExitButtonTypes();
    void loadColours();
    void applyPosition();
    void applyAppearance();

    void set_Click();

private:
    void slider_Scroll();
    void tokeiGCheck_Click();
    void TIMEDATE_Click();
    void RQCheck_Click();
    void button_Click(int index);

    SettingsWindow& window_;
    QSlider* SliderX_;
    QSlider* SliderY_;
    QCheckBox* TopmostCheck_;
    QCheckBox* tokeiGCheck_;
    QCheckBox* RQCheck_;
    std::array<QRadioButton*, 2> button_;
    QLabel* sizelabel_;
    QSize screen_;
};
