#include "lock/LockPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/LockRules.h"
#include "lock/PasswordBox.h"
#include "widgets/LabelMouse.h"
#include "widgets/ControlDef.h"
#include "widgets/Lamp.h"
#include "widgets/LayoutTable.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"

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
      Label21_(control<QLabel>(window, "consolePanel")),
      pass_(control<QLineEdit>(window, "passwordEntry")),
      Label22_(control<QLabel>(window, "passwordChangeLink")),
      LOCK_B_(control<QPushButton>(window, "lockButton")),
      lock_ran_(control<QWidget>(window, "lockLamp")),
      lstShedule_(control<QWidget>(window, "noteList")) {
    PasswordBox::setUp(pass_);
    // The style draws a box's edge a shade darker than the window colour: on the black console
    // the box would vanish whenever it lost the focus.
    QPalette edge = pass_->palette();
    edge.setColor(QPalette::Window, colourFromBgr(LayoutTable::kGrey));
    pass_->setPalette(edge);
    pass_->hide();
    Label22_->setCursor(Qt::PointingHandCursor);
    auto* link = new LabelMouse(this);
    link->watch(Label22_, 0);
    connect(link, &LabelMouse::clicked, this, &LockPanel::Label22_Click);
    connect(LOCK_B_, &QPushButton::clicked, this, &LockPanel::LOCK_B_Click);
    connect(pass_, &QLineEdit::textChanged, this, &LockPanel::pass_Change);
}

void LockPanel::Form_Load() {
    if (record_.lockState != 1) return;
    lstShedule_->hide();
    setLamp(lock_ran_, true);
}

void LockPanel::showMessage(const QString& text) { Label21_->setText(text); }

// Asked of the box itself: the calendar tab may not be the one on show.
bool LockPanel::isPasswordRequestOpen() const { return !pass_->isHidden(); }

void LockPanel::LOCK_B_Click() {
    switch (LockRules::onPress(isPasswordRequestOpen(), record_.lockState, record_.password)) {
        case LockRules::Press::CancelRequest:
            showMessage(kCancelled);
            pass_->hide();
            break;
        case LockRules::Press::AskPassword:
            showMessage(kPrompt);
            pass_->show();
            pass_->clear();
            pass_->setFocus();
            break;
        case LockRules::Press::SetPassword:
            Label22_Click();
            break;
        case LockRules::Press::Lock:
            if (setLocked(true)) showMessage(kLocked);
            break;
    }
}

void LockPanel::pass_Change() {
    if (!LockRules::isPassword(pass_->text(), record_.password) || !setLocked(false)) return;
    showMessage(kReleased);
    pass_->hide();
}

// Changes the state only when the store took it, so that nothing on screen claims a lock that
// the next start would not find; a failed save has been reported by then. Tells whether it did.
bool LockPanel::setLocked(bool locked) {
    if (!record_.storeLockState(store_, locked ? 1 : 0)) return false;
    setLamp(lock_ran_, locked);
    lstShedule_->setVisible(!locked);
    return true;
}

// A disabled label still sees the mouse: the dialog is open then, and must not open twice.
void LockPanel::Label22_Click() {
    if (!Label22_->isEnabled()) return;
    Label22_->setEnabled(false);
    LOCK_B_->setEnabled(false);
    emit passwordDialogRequested();
}

void LockPanel::passwordDialogClosed(bool changed) {
    showMessage(changed ? kChanged : kUnchanged);
    Label22_->setEnabled(true);
    LOCK_B_->setEnabled(true);
}
