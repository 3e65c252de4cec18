#include "utilities/CustomPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/RecentDocuments.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/StoredValue.h"
#include "platform/Dialogs.h"
#include "platform/Locations.h"
#include "widgets/ControlDef.h"

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
      clearRecentCheck_(control<QCheckBox>(window, "clearRecentCheck")),
      powerCheck_(control<QCheckBox>(window, "powerCheck")),
      powerChoice_{control<QRadioButton>(window, "powerChoice(0)"),
                   control<QRadioButton>(window, "powerChoice(1)")},
      launchCheck_(control<QCheckBox>(window, "launchCheck")),
      launchCommand_(control<QLineEdit>(window, "launchCommandBox")),
      browseButton_(control<QPushButton>(window, "browseButton")) {
    connect(clearRecentCheck_, &QCheckBox::toggled, this, &CustomPage::onClearRecentChecked);
    connect(powerCheck_, &QCheckBox::toggled, this, &CustomPage::onPowerChecked);
    for (QRadioButton* option : powerChoice_)
        connect(option, &QRadioButton::toggled, this, &CustomPage::onPowerChoiceChosen);
    connect(launchCheck_, &QCheckBox::toggled, this, &CustomPage::onLaunchChecked);
    connect(browseButton_, &QPushButton::clicked, this, &CustomPage::browse);
    connect(control<QPushButton>(window, "clearRecentNowButton"), &QPushButton::clicked, this,
            &CustomPage::clearRecentNow);
}

void CustomPage::populate() {
    clearRecentCheck_->setChecked(record_.clearRecentOnDoubleClick != 0);
    powerCheck_->setChecked(record_.powerOnDoubleClick != 0);
    powerChoice_[record_.restartNotShutDown ? 0 : 1]->setChecked(true);
    launchCheck_->setChecked(record_.launchOnDoubleClick != 0);
    launchCommand_->setText(record_.launchCommand);
}

void CustomPage::onClearRecentChecked() { emit changed(); }

void CustomPage::clearRecentNow() {
    RecentDocuments::report(RecentDocuments::clear(locations_, dialogs_), dialogs_, window_);
}

void CustomPage::onPowerChoiceChosen(bool selected) {
    if (selected) emit changed();
}

void CustomPage::enableByChecks() {
    for (QRadioButton* option : powerChoice_) option->setEnabled(powerCheck_->isChecked());
    launchCommand_->setEnabled(launchCheck_->isChecked());
    browseButton_->setEnabled(launchCheck_->isChecked());
}

// Restarting or shutting down ends the program before anything could be launched, so the two
// double-click actions exclude each other.
void CustomPage::onPowerChecked() {
    const bool on = powerCheck_->isChecked();
    for (QRadioButton* option : powerChoice_) option->setEnabled(on);
    if (on) launchCheck_->setChecked(false);
    emit changed();
}

void CustomPage::onLaunchChecked() {
    const bool on = launchCheck_->isChecked();
    launchCommand_->setEnabled(on);
    browseButton_->setEnabled(on);
    if (on) powerCheck_->setChecked(false);
    emit changed();
}

void CustomPage::browse() {
    emit changed();
    const QString chosen = dialogs_.openFile(window_, locations_.fileDialogFolder());
    if (!chosen.isEmpty()) launchCommand_->setText(chosen);
}

void CustomPage::applyActions() {
    store_.write(Keys::clearRecentOnDoubleClick, clearRecentCheck_->isChecked() ? 1 : 0);
    store_.write(Keys::powerOnDoubleClick, powerCheck_->isChecked() ? 1 : 0);
    store_.write(Keys::restartNotShutDown, powerChoice_[0]->isChecked());
}

void CustomPage::applyLaunch() {
    if (launchCheck_->isChecked() && launchCommand_->text().isEmpty()) {
        dialogs_.beep();
        dialogs_.message(window_, kNoPath);
        launchCheck_->setChecked(false);
    }
    store_.write(Keys::launchOnDoubleClick, launchCheck_->isChecked() ? 1 : 0);
    store_.write(Keys::launchCommand, launchCommand_->text());
}
