#pragma once

#include <QDialog>

class Dialogs;
class QLineEdit;
class QPushButton;
class SettingsStore;
struct SettingsRecord;

// The dialog "passwordDialog" that sets or changes the lock's password: the old password first,
// when there is one, then the new one twice. It stays above other windows and deletes itself when
// closed; however it closes, it tells whether it stored a new password.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(SettingsRecord& record, SettingsStore& store, Dialogs& dialogs, QWidget* parent);

    void load();
    void onOldPasswordTyped();
    void onNewPasswordTyped();
    void onConfirmationTyped() { onNewPasswordTyped(); }
    void change();
    void cancelChange();
    void setVisible(bool visible) override;

signals:
    void unloaded(bool changed);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void keepOnTop(bool onTop);
    void refuse(const QString& text);
    void backOnTop(QLineEdit* focus);
    void savePassword(const QString& password);
    void unload();

    SettingsRecord& record_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    QLineEdit* oldPassword_;
    QLineEdit* newPassword_;
    QLineEdit* confirmPassword_;
    QPushButton* changeButton_;
    bool changed_ = false;
};
