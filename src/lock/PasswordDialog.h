#pragma once

#include <QDialog>

class Dialogs;
class QLineEdit;
class QPushButton;
class SettingsStore;
struct SettingsRecord;

// The dialog "passwordDialog" that sets or changes the lock's password: the old password first, when there
// is one, then the new one twice. It stays above other windows and deletes itself when closed;
// however it closes, it tells whether it stored a new password.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(SettingsRecord& record, SettingsStore& store, Dialogs& dialogs, QWidget* parent);

    void Form_Load();
    void OldPass_Change();
    void NewPass1_Change();
    void NewPass2_Change() { NewPass1_Change(); }
    void PWC_OK_Click();
    void PWC_Cancel_Click();
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
    void Form_Unload();

    SettingsRecord& record_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    QLineEdit* OldPass_;
    QLineEdit* NewPass1_;
    QLineEdit* NewPass2_;
    QPushButton* PWC_OK_;
    bool changed_ = false;
};
