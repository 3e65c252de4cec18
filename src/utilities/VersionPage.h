#pragma once

#include <QObject>
#include <QString>
#include <array>

class Locations;
class QRadioButton;
class QWidget;
class SettingsStore;

// The version tab: the program's version, its pictures, start with the desktop session, and
// the button that ends the program.
class VersionPage : public QObject {
    Q_OBJECT
public:
    VersionPage(QWidget* window, const Locations& locations, SettingsStore& store);

    void loadVersion();
    void loadStartupChoice();
    void applyStartupChoice();

    static QString versionText();

signals:
    void changed();
    void quitRequested();

private:
    void onStartChoiceChanged(bool selected);

    QWidget* window_;
    const Locations& locations_;
    SettingsStore& store_;
    std::array<QRadioButton*, 2> startChoice_;
    bool startsWithSession_ = false;  // what the autostart entry says, as last read or written
};
