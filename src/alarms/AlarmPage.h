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
    struct Row {
        QCheckBox* on;
        QLineEdit* hour;
        QLineEdit* minute;
        QLineEdit* message;
        QRadioButton* once;
        QRadioButton* daily;
    };

    void onAlarmToggled();
    void enableRows();
    void enableRow(const Row& row, bool enabled);
    void applyRow(int k);

    QWidget* window_;
    SettingsRecord& record_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    std::array<Row, 3> rows_;
};
