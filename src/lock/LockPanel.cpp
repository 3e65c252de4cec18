#include "lock/LockPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/LockRules.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "lock/PasswordBox.h"
#include "widgets/ControlDef.h"
#include "widgets/LabelMouse.h"
#include "widgets/Lamp.h"
#include "widgets/LayoutTable.h"

namespace {
const QString kCancelled = QStringLiteral("操作は\r\nキャンセルされました");
const QString kPrompt =
    QStringLiteral("パスワードを  入力するとLOCKを解除します\r\n\r\nPassWord :");
const QString kLocked = QStringLiteral("\r\n      LOCK!\r\n\r\n");
const QString kReleased = QStringLiteral("\r\n    LOCK解除!");
const QString kChanged = QStringLiteral("PassWordは\r\n変更されました");
const QString kUnchanged = QStringLiteral("PassWordは\r\n変更されませんでした");
}  // namespace

LockPanel::LockPanel(QWidget* window, SettingsRecord& record, SettingsStore& store)
    : record_(record),
      store_(store),
      console_(control<QLabel>(window, "consolePanel")),
      passwordEntry_(control<QLineEdit>(window, "passwordEntry")),
      passwordChangeLink_(control<QLabel>(window, "passwordChangeLink")),
      lockButton_(control<QPushButton>(window, "lockButton")),
      lockLamp_(control<QWidget>(window, "lockLamp")),
      noteList_(control<QWidget>(window, "noteList")) {
    PasswordBox::setUp(passwordEntry_);
    // The style draws a box's edge a shade darker than the window colour: on the black console
    // the box would vanish whenever it lost the focus.
    QPalette edge = passwordEntry_->palette();
    edge.setColor(QPalette::Window, colourFromBgr(LayoutTable::kGrey));
    passwordEntry_->setPalette(edge);
    passwordEntry_->hide();
    passwordChangeLink_->setCursor(Qt::PointingHandCursor);
    auto* link = new LabelMouse(this);
    link->watch(passwordChangeLink_, 0);
    connect(link, &LabelMouse::clicked, this, &LockPanel::openPasswordDialogLink);
    connect(lockButton_, &QPushButton::clicked, this, &LockPanel::onLockPressed);
    connect(passwordEntry_, &QLineEdit::textChanged, this, &LockPanel::onPasswordTyped);
}

void LockPanel::load() {
    if (record_.lockState != 1) return;
    noteList_->hide();
    setLamp(lockLamp_, true);
}

void LockPanel::showMessage(const QString& text) { console_->setText(text); }

// Asked of the box itself: the calendar tab may not be the one on show.
bool LockPanel::isPasswordRequestOpen() const { return !passwordEntry_->isHidden(); }

void LockPanel::onLockPressed() {
    switch (LockRules::onPress(isPasswordRequestOpen(), record_.lockState, record_.password)) {
        case LockRules::Press::CancelRequest:
            showMessage(kCancelled);
            passwordEntry_->hide();
            break;
        case LockRules::Press::AskPassword:
            showMessage(kPrompt);
            passwordEntry_->show();
            passwordEntry_->clear();
            passwordEntry_->setFocus();
            break;
        case LockRules::Press::SetPassword:
            openPasswordDialogLink();
            break;
        case LockRules::Press::Lock:
            if (setLocked(true)) showMessage(kLocked);
            break;
    }
}

void LockPanel::onPasswordTyped() {
    if (!LockRules::isPassword(passwordEntry_->text(), record_.password) || !setLocked(false))
        return;
    showMessage(kReleased);
    passwordEntry_->hide();
}

// Changes the state only when the store took it, so that nothing on screen claims a lock that
// the next start would not find; a failed save has been reported by then. Tells whether it did.
bool LockPanel::setLocked(bool locked) {
    if (!record_.storeLockState(store_, locked ? 1 : 0)) return false;
    setLamp(lockLamp_, locked);
    noteList_->setVisible(!locked);
    return true;
}

// A disabled label still sees the mouse: the dialog is open then, and must not open twice.
void LockPanel::openPasswordDialogLink() {
    if (!passwordChangeLink_->isEnabled()) return;
    passwordChangeLink_->setEnabled(false);
    lockButton_->setEnabled(false);
    emit passwordDialogRequested();
}

void LockPanel::passwordDialogClosed(bool changed) {
    showMessage(changed ? kChanged : kUnchanged);
    passwordChangeLink_->setEnabled(true);
    lockButton_->setEnabled(true);
}
