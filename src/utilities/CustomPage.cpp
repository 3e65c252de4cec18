#include "utilities/CustomPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/Application.h"
#include "settings/ControlDef.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWindow.h"
#include "settings/StoredValue.h"

namespace {
const QString kNoPath = QStringLiteral("実行させたいファイルのフルパスを指定してください。");
}

CustomPage::CustomPage(SettingsWindow& window)
    : window_(window),
      saikinCheck_(control<QCheckBox>(&window, "saikinCheck")),
      WinCheck_(control<QCheckBox>(&window, "WinCheck")),
      boot_{control<QRadioButton>(&window, "boot(0)"), control<QRadioButton>(&window, "boot(1)")},
      kidouCheck_(control<QCheckBox>(&window, "kidouCheck")),
      Text3_(control<QLineEdit>(&window, "Text3")),
      sansyou_b_(control<QPushButton>(&window, "sansyou_b")) {
    QObject::connect(saikinCheck_, &QCheckBox::toggled, &window, [this] { window_.enableApply(); });
    QObject::connect(WinCheck_, &QCheckBox::toggled, &window, [this] { WinCheck_Click(); });
    for (QRadioButton* option : boot_)
        QObject::connect(option, &QRadioButton::toggled, &window, [this](bool on) {
            if (on) window_.enableApply();
        });
    QObject::connect(kidouCheck_, &QCheckBox::toggled, &window, [this] { kidouCheck_Click(); });
    QObject::connect(sansyou_b_, &QPushButton::clicked, &window, [this] { sansyou_b_Click(); });
}

void CustomPage::populate() {
    const SettingsRecord& record = window_.app().record();
    saikinCheck_->setChecked(record.saikin != 0);
    WinCheck_->setChecked(record.Win != 0);
    boot_[record.reboot ? 0 : 1]->setChecked(true);
    kidouCheck_->setChecked(record.kidou != 0);
    Text3_->setText(record.kidoupath);
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
    window_.enableApply();
}

void CustomPage::kidouCheck_Click() {
    const bool on = kidouCheck_->isChecked();
    Text3_->setEnabled(on);
    sansyou_b_->setEnabled(on);
    if (on) WinCheck_->setChecked(false);
    window_.enableApply();
}

void CustomPage::sansyou_b_Click() {
    window_.enableApply();
    Application& app = window_.app();
    const QString chosen =
        app.platform().dialogs.openFile(&window_, app.platform().locations.fileDialogFolder());
    if (!chosen.isEmpty()) Text3_->setText(chosen);
}

void CustomPage::applyActions() {
    SettingsStore& store = window_.app().store();
    store.save("c", "saikin", saikinCheck_->isChecked() ? "1" : "0");
    store.save("c", "Win", WinCheck_->isChecked() ? "1" : "0");
    store.save("c", "reboot", StoredValue::fromBool(boot_[0]->isChecked()));
}

void CustomPage::applyLaunch() {
    Application& app = window_.app();
    if (kidouCheck_->isChecked() && Text3_->text().isEmpty()) {
        app.platform().dialogs.beep();
        app.platform().dialogs.message(&window_, kNoPath);
        kidouCheck_->setChecked(false);
    }
    app.store().save("c", "kidou", kidouCheck_->isChecked() ? "1" : "0");
    app.store().save("c", "kidouPath", Text3_->text());
}
