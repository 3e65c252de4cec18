#pragma once

#include <QString>
#include <array>

class QRadioButton;
class SettingsWindow;

// The version tab: the program's version, its pictures, start with the desktop session, and
// the button that ends the program.
class VersionPage {
public:
    explicit VersionPage(SettingsWindow& window);

    void loadVersion();
    void loadStartupChoice();
    void applyStartupChoice();

    static QString versionText();

private:
    SettingsWindow& window_;
    std::array<QRadioButton*, 2> Option2_;
};
