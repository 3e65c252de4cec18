#include "schedule/DateColours.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "core/CalendarState.h"
#include "core/DateSection.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "platform/Dialogs.h"
#include "widgets/LabelMouse.h"
#include "widgets/LayoutTable.h"
#include "widgets/TextColour.h"

namespace {
const QString kHasNotes = QStringLiteral("スケジュールが入力されています\r\n");
const QString kNoColour =
    QStringLiteral("黒を指定　又は、キャンセルが選択されたので色の変更を中止しました。");
}  // namespace

DateColours::DateColours(QWidget* window, const CalendarState& state, SettingsRecord& record,
                         SettingsStore& store, Dialogs& dialogs)
    : window_(window),
      state_(state),
      record_(record),
      store_(store),
      dialogs_(dialogs),
      menu_(control<QMenu>(window, "dateColourMenu")),
      scheduleColourLabel_(control<QLabel>(window, "scheduleColourLabel")) {
    const std::pair<const char*, void (DateColours::*)()> items[] = {
        {"dateColourAction", &DateColours::giveDateColour},
        {"chooseDateColourAction", &DateColours::chooseDateColour},
        {"defaultDateColourAction", &DateColours::restoreWeekdayColour},
    };
    for (const auto& [name, handler] : items)
        connect(control<QAction>(menu_, name), &QAction::triggered, this, handler);
    scheduleColourLabel_->setCursor(Qt::PointingHandCursor);
    auto* mouse = new LabelMouse(this);
    mouse->watch(scheduleColourLabel_, 0);
    connect(mouse, &LabelMouse::clicked, this, &DateColours::chooseScheduleColour);
}

void DateColours::loadScheduleColour() {
    if (DateSection::isColour(record_.scheduleColour))
        setTextColour(scheduleColourLabel_, record_.scheduleColour);
}

int DateColours::scheduleColour() const { return textColour(scheduleColourLabel_); }

QLabel* DateColours::selectedCell() const {
    return control<QLabel>(window_, LayoutTable::indexed("dateCell", state_.selectedCell));
}

QString DateColours::selectedKey() const {
    return DateSection::dateKey(state_.shownYear, state_.shownMonth, state_.selectedDay);
}

void DateColours::preview(QPoint globalPos) {
    savedColour_ = textColour(selectedCell());
    setTextColour(selectedCell(), record_.dateColour);
    menu_->popup(globalPos);
}

int DateColours::askColour() {
    const int colour = dialogs_.pickColour(window_, 0);
    if (colour == 0) {
        dialogs_.beep();
        dialogs_.message(window_, kNoColour);
    }
    return colour;
}

void DateColours::giveDateColour() {
    const QString key = selectedKey();
    if (DateSection::hasNotes(store_, key)) {
        dialogs_.beep();
        if (dialogs_.message(window_, kHasNotes + "表示色を変更しますか？", Dialogs::Buttons::YesNo,
                             Dialogs::Icon::Question) != Dialogs::Answer::Yes) {
            setTextColour(selectedCell(), savedColour_);
            return;
        }
    }
    setTextColour(selectedCell(), record_.dateColour);
    store_.save(key, "Color", QString::number(record_.dateColour));
}

void DateColours::chooseDateColour() {
    const int colour = askColour();
    if (colour == 0) {
        setTextColour(selectedCell(), savedColour_);
        return;
    }
    const SettingsStore::Action oneReport(store_);  // the date colour and the date's colour
    record_.storeDateColour(store_, colour);
    giveDateColour();
}

void DateColours::restoreWeekdayColour() {
    const QString key = selectedKey();
    if (!store_.get(key, "Color", "").isEmpty()) {
        if (!DateSection::hasNotes(store_, key)) {
            store_.deleteSection(key);
        } else {
            dialogs_.beep();
            if (dialogs_.message(window_, kHasNotes + "表示色をデフォルトに戻しますか？",
                                 Dialogs::Buttons::YesNo,
                                 Dialogs::Icon::Question) == Dialogs::Answer::Yes)
                store_.deleteKey(key, "Color");
        }
    }
    emit recolourRequested();
}

void DateColours::chooseScheduleColour() {
    const int colour = askColour();
    if (colour == 0) return;
    setTextColour(scheduleColourLabel_, colour);
    record_.storeScheduleColour(store_, colour);
}
