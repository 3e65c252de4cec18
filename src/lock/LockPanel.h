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

    void load();
    void onLockPressed();
    void onPasswordTyped();
    void openPasswordDialogLink();
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
    QLabel* console_;
    QLineEdit* passwordEntry_;
    QLabel* passwordChangeLink_;
    QPushButton* lockButton_;
    QWidget* lockLamp_;
    QWidget* noteList_;
};
