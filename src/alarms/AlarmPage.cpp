#include "alarms/AlarmPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/Application.h"
#include "settings/ControlDef.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWindow.h"
#include "settings/StoredValue.h"

namespace {
QString indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(name).arg(i); }
}  // namespace

AlarmPage::AlarmPage(SettingsWindow& window) : window_(window) {
    for (int i = 0; i < 3; ++i) onoffCheck_[i] = control<QCheckBox>(&window, indexed("onoffCheck", i));
    for (int i = 0; i < 9; ++i) Text2_[i] = control<QLineEdit>(&window, indexed("Text2", i));
    for (int i = 0; i < 6; ++i) dayOB_[i] = control<QRadioButton>(&window, indexed("dayOB", i));
    for (int k = 0; k < 3; ++k) dayOB_[2 * k]->setChecked(true);  // the design's choice: once
    for (QCheckBox* box : onoffCheck_)
        QObject::connect(box, &QCheckBox::toggled, &window, [this] { onoffCheck_Click(); });
    for (QLineEdit* text : Text2_)
        QObject::connect(text, &QLineEdit::textChanged, &window, [this] { window_.enableApply(); });
    for (QRadioButton* option : dayOB_)
        QObject::connect(option, &QRadioButton::toggled, &window, [this](bool on) {
            if (on) window_.enableApply();
        });
}

void AlarmPage::populate() {
    const SettingsRecord& record = window_.app().record();
    for (int k = 0; k < 3; ++k) {
        const AlarmSlot& slot = record.alarms[k];
        const QTime time = slot.time.value_or(QTime(0, 0));
        Text2_[3 * k]->setText(QString::number(time.hour()));
        Text2_[3 * k + 1]->setText(QString::number(time.minute()));
        Text2_[3 * k + 2]->setText(slot.message);
        onoffCheck_[k]->setChecked(slot.onoff != 0);
        dayOB_[2 * k + (slot.once ? 0 : 1)]->setChecked(true);
    }
}

void AlarmPage::disableOffRows() {
    const SettingsRecord& record = window_.app().record();
    for (int k = 0; k < 3; ++k) {
        if (record.alarms[k].onoff != 0) continue;
        for (int i = 0; i < 2; ++i) dayOB_[2 * k + i]->setEnabled(false);
        for (int i = 0; i < 3; ++i) Text2_[3 * k + i]->setEnabled(false);
    }
}

void AlarmPage::onoffCheck_Click() {
    enableRows();
    window_.enableApply();
}

void AlarmPage::enableRows() {
    for (int k = 0; k < 3; ++k) {
        const bool on = onoffCheck_[k]->isChecked();
        for (int i = 0; i < 2; ++i) dayOB_[2 * k + i]->setEnabled(on);
        for (int i = 0; i < 3; ++i) Text2_[3 * k + i]->setEnabled(on);
    }
}

void AlarmPage::apply() {
    for (int slot = 0; slot < 3; ++slot) applySlot(slot);
}

void AlarmPage::applySlot(int k) {
    Application& app = window_.app();
    AlarmSlot& slot = app.record().alarms[k];
    SettingsStore& store = app.store();
    const QString n = QString::number(k + 1);
    slot.message = Text2_[3 * k + 2]->text();
    slot.time = StoredValue::parseHourMinute(Text2_[3 * k]->text(), Text2_[3 * k + 1]->text());
    if (slot.time) {
        store.save("ALM", "ALMTIM" + n, StoredValue::fromTime(*slot.time));
        store.save("ALM", "MSG" + n, slot.message);
    } else {
        app.platform().dialogs.message(&window_,
                                       QStringLiteral("AlarmTime%1の時刻の指定が正しくありません。").arg(n));
    }
    store.save("ALM", "onoff" + n, onoffCheck_[k]->isChecked() ? "1" : "0");
    store.save("ALM", "day" + n, StoredValue::fromBool(dayOB_[2 * k]->isChecked()));
}
