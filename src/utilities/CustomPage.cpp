#include "utilities/CustomPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/Dialogs.h"
#include "platform/Locations.h"
#include "widgets/ControlDef.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/StoredValue.h"
#include "core/RecentDocuments.h"

namespace {
const QString kNoPath = QStringLiteral("実行させたいファイルのフルパスを指定してください。");
}

CustomPage::CustomPage(QWidget* window, const SettingsRecord& record, SettingsStore& store,
                       Dialogs& dialogs, const Locations& locations)
    : window_(window),
      record_(record),
      store_(store),
      dialogs_(dialogs),
      locations_(locations),
      saikinCheck_(control<QCheckBox>(window, "clearRecentCheck")),
      WinCheck_(control<QCheckBox>(window, "powerCheck")),
      boot_{control<QRadioButton>(window, "powerChoice(0)"), control<QRadioButton>(window, "powerChoice(1)")},
      kidouCheck_(control<QCheckBox>(window, "launchCheck")),
      Text3_(control<QLineEdit>(window, "launchCommandBox")),
      sansyou_b_(control<QPushButton>(window, "browseButton")) {
    connect(saikinCheck_, &QCheckBox::toggled, this, &CustomPage::saikinCheck_Click);
    connect(WinCheck_, &QCheckBox::toggled, this, &CustomPage::WinCheck_Click);
    for (QRadioButton* option : boot_)
        connect(option, &QRadioButton::toggled, this, &CustomPage::boot_Click);
    connect(kidouCheck_, &QCheckBox::toggled, this, &CustomPage::kidouCheck_Click);
    connect(sansyou_b_, &QPushButton::clicked, this, &CustomPage::sansyou_b_Click);
    connect(control<QPushButton>(window, "clearRecentNowButton"), &QPushButton::clicked, this,
            &CustomPage::saikin_button_Click);
}

void CustomPage::populate() {
    saikinCheck_->setChecked(record_.clearRecentOnDoubleClick != 0);
    WinCheck_->setChecked(record_.powerOnDoubleClick != 0);
    boot_[record_.restartNotShutDown ? 0 : 1]->setChecked(true);
    kidouCheck_->setChecked(record_.launchOnDoubleClick != 0);
    Text3_->setText(record_.launchCommand);
}

void CustomPage::saikinCheck_Click() { emit changed(); }

void CustomPage::saikin_button_Click() {
    RecentDocuments::report(RecentDocuments::clear(locations_, dialogs_), dialogs_, window_);
}

void CustomPage::boot_Click(bool selected) {
    if (selected) emit changed();
}

void CustomPage::enableByChecks() {
    for (QRadioButton* option : boot_) option->setEnabled(WinCheck_->isChecked());
    Text3_->setEnabled(kidouCheck_->isChecked());
    sansyou_b_->setEnabled(kidouCheck_->isChecked());
}

// Restarting or shutting down ends the program before anything could be launched, so the two
// double-click actions exclude each other.
void CustomPage::WinCheck_Click() {
    const bool on = WinCheck_->isChecked();
    for (QRadioButton* option : boot_) option->setEnabled(on);
    if (on) kidouCheck_->setChecked(false);
    emit changed();
}

void CustomPage::kidouCheck_Click() {
    const bool on = kidouCheck_->isChecked();
    Text3_->setEnabled(on);
    sansyou_b_->setEnabled(on);
    if (on) WinCheck_->setChecked(false);
    emit changed();
}

void CustomPage::sansyou_b_Click() {
    emit changed();
    const QString chosen = dialogs_.openFile(window_, locations_.fileDialogFolder());
    if (!chosen.isEmpty()) Text3_->setText(chosen);
}

void CustomPage::applyActions() {
    store_.write(Keys::clearRecentOnDoubleClick, saikinCheck_->isChecked() ? 1 : 0);
    store_.write(Keys::powerOnDoubleClick, WinCheck_->isChecked() ? 1 : 0);
    store_.write(Keys::restartNotShutDown, boot_[0]->isChecked());
}

void CustomPage::applyLaunch() {
    if (kidouCheck_->isChecked() && Text3_->text().isEmpty()) {
        dialogs_.beep();
        dialogs_.message(window_, kNoPath);
        kidouCheck_->setChecked(false);
    }
    store_.write(Keys::launchOnDoubleClick, kidouCheck_->isChecked() ? 1 : 0);
    store_.write(Keys::launchCommand, Text3_->text());
}
