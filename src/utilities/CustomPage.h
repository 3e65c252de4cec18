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
    void onClearRecentChecked();
    void clearRecentNow();
    void onPowerChecked();
    void onPowerChoiceChosen(bool selected);
    void onLaunchChecked();
    void browse();

    QWidget* window_;
    const SettingsRecord& record_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    const Locations& locations_;
    QCheckBox* clearRecentCheck_;
    QCheckBox* powerCheck_;
    std::array<QRadioButton*, 2> powerChoice_;
    QCheckBox* launchCheck_;
    QLineEdit* launchCommand_;
    QPushButton* browseButton_;
};
