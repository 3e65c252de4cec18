#include "alarms/AlarmPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/Dialogs.h"
#include "widgets/ControlDef.h"
#include "widgets/LayoutTable.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/StoredValue.h"

using LayoutTable::indexed;

AlarmPage::AlarmPage(QWidget* window, SettingsRecord& record, SettingsStore& store,
                     Dialogs& dialogs)
    : window_(window), record_(record), store_(store), dialogs_(dialogs) {
    for (int i = 0; i < 3; ++i)
        onoffCheck_[i] = control<QCheckBox>(window, indexed("onoffCheck", i));
    for (int i = 0; i < 9; ++i) Text2_[i] = control<QLineEdit>(window, indexed("Text2", i));
    for (int i = 0; i < 6; ++i) dayOB_[i] = control<QRadioButton>(window, indexed("dayOB", i));
    for (int k = 0; k < 3; ++k) dayOB_[2 * k]->setChecked(true);  // the design's choice: once
    for (QCheckBox* box : onoffCheck_)
        connect(box, &QCheckBox::toggled, this, &AlarmPage::onoffCheck_Click);
    for (QLineEdit* text : Text2_)
        connect(text, &QLineEdit::textChanged, this, &AlarmPage::Text2_Change);
    for (QRadioButton* option : dayOB_)
        connect(option, &QRadioButton::toggled, this, &AlarmPage::dayOB_Click);
}

void AlarmPage::Text2_Change() { emit changed(); }

void AlarmPage::dayOB_Click(bool selected) {
    if (selected) emit changed();
}

void AlarmPage::populate() {
    for (int k = 0; k < 3; ++k) {
        const AlarmSlot& slot = record_.alarms[k];
        const QTime time = slot.time.value_or(QTime(0, 0));
        Text2_[3 * k]->setText(QString::number(time.hour()));
        Text2_[3 * k + 1]->setText(QString::number(time.minute()));
        Text2_[3 * k + 2]->setText(slot.message);
        onoffCheck_[k]->setChecked(slot.on != 0);
        dayOB_[2 * k + (slot.once ? 0 : 1)]->setChecked(true);
    }
}

void AlarmPage::disableOffRows() {
    for (int k = 0; k < 3; ++k) {
        if (record_.alarms[k].on != 0) continue;
        for (int i = 0; i < 2; ++i) dayOB_[2 * k + i]->setEnabled(false);
        for (int i = 0; i < 3; ++i) Text2_[3 * k + i]->setEnabled(false);
    }
}

void AlarmPage::onoffCheck_Click() {
    enableRows();
    emit changed();
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

// A refused time keeps the stored one in force; with no valid stored time either, the slot is
// stored off rather than armed at midnight, and the page says so.
void AlarmPage::applySlot(int k) {
    const bool hadTime = record_.alarms[k].time.has_value();
    const std::optional<QTime> time =
        StoredValue::parseHourMinute(Text2_[3 * k]->text(), Text2_[3 * k + 1]->text());
    if (time) {
        store_.write(Keys::alarmTime[k], time);
        store_.write(Keys::alarmMessage[k], Text2_[3 * k + 2]->text());
    } else {
        dialogs_.message(window_,
                         QStringLiteral("AlarmTime%1の時刻の指定が正しくありません。").arg(k + 1));
        if (!hadTime) onoffCheck_[k]->setChecked(false);
    }
    record_.storeAlarmOn(store_, k, onoffCheck_[k]->isChecked());
    store_.write(Keys::alarmOnce[k], dayOB_[2 * k]->isChecked());
}
