#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class SettingsStore;
struct SettingsRecord;

// The console column of the calendar tab: the lock over the schedule list, its lamp, the
// password entry and the link to the password dialog. It alone writes the message panel
// "consolePanel"; the help mode and the password dialog's outcome go through it.
class LockPanel : public QObject {
    Q_OBJECT
public:
    LockPanel(QWidget* window, SettingsRecord& record, SettingsStore& store);

    void Form_Load();
    void LOCK_B_Click();
    void pass_Change();
    void Label22_Click();
    // The password dialog has closed; changed tells whether it stored a new password.
    void passwordDialogClosed(bool changed);

    void showMessage(const QString& text);
    bool isPasswordRequestOpen() const;

signals:
    void passwordDialogRequested();

private:
    bool setLocked(bool locked);

    SettingsRecord& record_;
    SettingsStore& store_;
    QLabel* Label21_;
    QLineEdit* pass_;
    QLabel* Label22_;
    QPushButton* LOCK_B_;
    QWidget* lock_ran_;
    QWidget* lstShedule_;
};
