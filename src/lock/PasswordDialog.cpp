#include "lock/PasswordDialog.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include "core/LockRules.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/Twips.h"
#include "lock/PasswordBox.h"
#include "platform/Dialogs.h"
#include "widgets/Fonts.h"
#include "widgets/LayoutTable.h"

namespace {

using namespace LayoutTable;

const QString kFillNew = QStringLiteral("新しいパスワード入力欄に入力してください");
const QString kFillConfirm = QStringLiteral("確認欄に入力してください");
const QString kMismatch = QStringLiteral(
    "入力ミスです！\r\n"
    "PassWord と PassWordの確認 欄には同じものを入力する必要があります。\r\n"
    "また　大文字 小文字も区別されます。\r\n"
    "\r\n"
    "例：\r\n"
    "PassWord            Gh8kP37\r\n"
    "PassWordの確認    Gh8kP37");

// The client area, in twips, at a fixed place on the screen.
constexpr int kLeft = 2505, kTop = 1965, kWidth = 3975, kHeight = 2490;

// Created in tab order; the labels end where their boxes begin.
// clang-format off
const std::vector<ControlDef>& controls() {
    constexpr int kLabel = 0xC0C0C0;
    constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
    static const std::vector<ControlDef> defs = {
        {"confirmHint", K::Label, "確認欄には、新しいパスワードに入力したものと同じものを入力してください。", "",
         120, 120, 3735, 375, {}, 0, false, G, kLabel},
        {"oldPasswordCaption", K::Label, "古いパスワード：", "", 960, 760, 1245, 180, {}, 0, false, G, kLabel, kDefault, kRight},
        spoken({"oldPassword", K::LineEdit, "", "", 2280, 720, 1095, 270}, "古いパスワード"),
        {"newPasswordCaption", K::Label, "新しいパスワード：", "", 820, 1240, 1380, 180, {}, 0, false, G, kLabel, kDefault, kRight},
        spoken({"newPassword", K::LineEdit, "", "", 2280, 1200, 1095, 270}, "新しいパスワード"),
        {"confirmCaption", K::Label, "確認：", "", 1750, 1600, 450, 180, {}, 0, false, G, kLabel, kDefault, kRight},
        spoken({"confirmPassword", K::LineEdit, "", "", 2280, 1560, 1095, 270}, "新しいパスワードの確認"),
        {"changePasswordButton", K::Button, "変更", "", 240, 2040, 1695, 350},
        {"cancelPasswordButton", K::Button, "キャンセル", "", 2040, 2040, 1695, 350},
    };
    return defs;
}
// clang-format on

}  // namespace

PasswordDialog::PasswordDialog(SettingsRecord& record, SettingsStore& store, Dialogs& dialogs,
                               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      record_(record),
      store_(store),
      dialogs_(dialogs) {
    setObjectName("passwordDialog");
    setWindowTitle(QStringLiteral(" "));  // an empty title would show the program's name
    setAccessibleName(QStringLiteral("パスワードの変更"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFont(Fonts::gothic(kPoints));
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, colourFromBgr(kDarkGreen));
    setPalette(green);
    setGeometry(pxRect(kLeft, kTop, kWidth, kHeight));
    setFixedSize(size());
    create();  // the layer is set on the native window

    buildControls(this, controls());
    oldPassword_ = control<QLineEdit>(this, "oldPassword");
    newPassword_ = control<QLineEdit>(this, "newPassword");
    confirmPassword_ = control<QLineEdit>(this, "confirmPassword");
    changeButton_ = control<QPushButton>(this, "changePasswordButton");
    for (QLineEdit* box : {oldPassword_, newPassword_, confirmPassword_}) PasswordBox::setUp(box);
    for (QWidget* off :
         std::initializer_list<QWidget*>{newPassword_, confirmPassword_, changeButton_})
        off->setEnabled(false);

    connect(oldPassword_, &QLineEdit::textChanged, this, &PasswordDialog::onOldPasswordTyped);
    connect(newPassword_, &QLineEdit::textChanged, this, &PasswordDialog::onNewPasswordTyped);
    connect(confirmPassword_, &QLineEdit::textChanged, this, &PasswordDialog::onConfirmationTyped);
    connect(changeButton_, &QPushButton::clicked, this, &PasswordDialog::change);
    connect(control<QPushButton>(this, "cancelPasswordButton"), &QPushButton::clicked, this,
            &PasswordDialog::cancelChange);
}

// Set on the native window: changing the widget's flag would create that window anew.
void PasswordDialog::keepOnTop(bool onTop) {
    windowHandle()->setFlag(Qt::WindowStaysOnTopHint, onTop);
}

void PasswordDialog::load() {
    keepOnTop(true);
    changed_ = false;
    if (!record_.password.isEmpty()) {
        oldPassword_->setFocus();
        return;
    }
    oldPassword_->setEchoMode(QLineEdit::Normal);
    oldPassword_->setText(QStringLiteral("入力不要"));
    oldPassword_->setEnabled(false);
    newPassword_->setEnabled(true);
    confirmPassword_->setEnabled(true);
    newPassword_->setFocus();
}

void PasswordDialog::onOldPasswordTyped() {
    if (!LockRules::isPassword(oldPassword_->text(), record_.password)) return;
    oldPassword_->setEnabled(false);
    newPassword_->setEnabled(true);
    confirmPassword_->setEnabled(true);
    onNewPasswordTyped();
    newPassword_->setFocus();
}

void PasswordDialog::onNewPasswordTyped() {
    changeButton_->setEnabled(true);
    changeButton_->setDefault(true);
}

// The message boxes come above the dialog: it leaves the top layer while they show.
void PasswordDialog::change() {
    keepOnTop(false);
    const QString entered = newPassword_->text();
    if (entered.isEmpty()) {
        refuse(kFillNew);
        backOnTop(newPassword_);
    } else if (confirmPassword_->text().isEmpty()) {
        refuse(kFillConfirm);
        backOnTop(confirmPassword_);
    } else if (confirmPassword_->text() == entered) {
        savePassword(entered);
    } else {
        refuse(kMismatch);
        confirmPassword_->clear();
        newPassword_->clear();
        backOnTop(newPassword_);
    }
}

void PasswordDialog::refuse(const QString& text) {
    dialogs_.beep();
    dialogs_.message(this, text);
}

void PasswordDialog::backOnTop(QLineEdit* focus) {
    keepOnTop(true);
    focus->setFocus();
}

// A password the store did not take is not reported as changed: the failure has been reported,
// and the dialog stays for another try or Cancel.
void PasswordDialog::savePassword(const QString& password) {
    if (!record_.storePassword(store_, password)) {
        keepOnTop(true);
        return;
    }
    changed_ = true;
    close();
}

// Qt makes a dialog's first button the default one as it shows; "変更" becomes the default only
// once it may be pressed.
void PasswordDialog::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (visible && !changeButton_->isEnabled()) changeButton_->setDefault(false);
}

void PasswordDialog::cancelChange() { close(); }

// Esc.
void PasswordDialog::reject() { cancelChange(); }

// However the dialog closes: OK, Cancel, Esc or the close box.
void PasswordDialog::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

void PasswordDialog::unload() { emit unloaded(changed_); }
