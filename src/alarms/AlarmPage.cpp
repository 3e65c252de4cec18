#include "alarms/AlarmPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/StoredValue.h"
#include "platform/Dialogs.h"
#include "widgets/ControlDef.h"
#include "widgets/LayoutTable.h"

using LayoutTable::indexed;

AlarmPage::AlarmPage(QWidget* window, SettingsRecord& record, SettingsStore& store,
                     Dialogs& dialogs)
    : window_(window), record_(record), store_(store), dialogs_(dialogs) {
    for (int k = 0; k < 3; ++k) {
        Row& row = rows_[k];
        row = {control<QCheckBox>(window, indexed("alarmOn", k)),
               control<QLineEdit>(window, indexed("alarmHour", k)),
               control<QLineEdit>(window, indexed("alarmMinute", k)),
               control<QLineEdit>(window, indexed("alarmMessage", k)),
               control<QRadioButton>(window, indexed("alarmOnce", k)),
               control<QRadioButton>(window, indexed("alarmDaily", k))};
        row.once->setChecked(true);  // until the stored choice is shown
        connect(row.on, &QCheckBox::toggled, this, &AlarmPage::onAlarmToggled);
        for (QLineEdit* box : {row.hour, row.minute, row.message})
            connect(box, &QLineEdit::textChanged, this, &AlarmPage::changed);
        for (QRadioButton* option : {row.once, row.daily})
            connect(option, &QRadioButton::toggled, this, [this](bool chosen) {
                if (chosen) emit changed();
            });
    }
}

void AlarmPage::populate() {
    for (int k = 0; k < 3; ++k) {
        const AlarmSlot& slot = record_.alarms[k];
        const QTime time = slot.time.value_or(QTime(0, 0));
        rows_[k].hour->setText(QString::number(time.hour()));
        rows_[k].minute->setText(QString::number(time.minute()));
        rows_[k].message->setText(slot.message);
        rows_[k].on->setChecked(slot.on != 0);
        (slot.once ? rows_[k].once : rows_[k].daily)->setChecked(true);
    }
}

void AlarmPage::disableOffRows() {
    for (int k = 0; k < 3; ++k)
        if (record_.alarms[k].on == 0) enableRow(rows_[k], false);
}

// Every row follows its own box, whichever was clicked.
void AlarmPage::onAlarmToggled() {
    enableRows();
    emit changed();
}

void AlarmPage::enableRows() {
    for (const Row& row : rows_) enableRow(row, row.on->isChecked());
}

void AlarmPage::enableRow(const Row& row, bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(row.hour), static_cast<QWidget*>(row.minute),
                             static_cast<QWidget*>(row.message), static_cast<QWidget*>(row.once),
                             static_cast<QWidget*>(row.daily)})
        control->setEnabled(enabled);
}

void AlarmPage::apply() {
    for (int k = 0; k < 3; ++k) applyRow(k);
}

// A refused time keeps the stored one in force; with no valid stored time either, the slot is
// stored off rather than armed at midnight, and the page says so.
void AlarmPage::applyRow(int k) {
    const Row& row = rows_[k];
    const bool hadTime = record_.alarms[k].time.has_value();
    const std::optional<QTime> time =
        StoredValue::parseHourMinute(row.hour->text(), row.minute->text());
    if (time) {
        store_.write(Keys::alarmTime[k], time);
        store_.write(Keys::alarmMessage[k], row.message->text());
    } else {
        dialogs_.message(window_,
                         QStringLiteral("AlarmTime%1の時刻の指定が正しくありません。").arg(k + 1));
        if (!hadTime) row.on->setChecked(false);
    }
    record_.storeAlarmOn(store_, k, row.on->isChecked());
    store_.write(Keys::alarmOnce[k], row.once->isChecked());
}
