#include "schedule/ScheduleNotes.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/Dialogs.h"
#include "schedule/CalendarState.h"
#include "schedule/DateColours.h"
#include "schedule/DateSection.h"
#include "settings/ControlDef.h"
#include "settings/SettingsStore.h"

namespace {
const QString kSelectDate = QStringLiteral("日付を指定してください");
}  // namespace

ScheduleNotes::ScheduleNotes(QWidget* window, const CalendarState& state, SettingsStore& store,
                             Dialogs& dialogs, const DateColours& colours,
                             std::function<bool()> helpMode)
    : window_(window),
      state_(state),
      store_(store),
      dialogs_(dialogs),
      colours_(colours),
      helpMode_(std::move(helpMode)),
      lstShedule_(control<QListWidget>(window, "lstShedule")),
      sakujoBotton_(control<QPushButton>(window, "sakujoBotton")),
      tuikaButton_(control<QPushButton>(window, "tuikaButton")),
      hei_Button_(control<QPushButton>(window, "hei_Button")),
      memoINtext_(control<QLineEdit>(window, "memoINtext")) {
    // A long note stays on its line, cut short, and never widens the list.
    lstShedule_->setTextElideMode(Qt::ElideRight);
    lstShedule_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstShedule_->setUniformItemSizes(true);
    sakujoBotton_->hide();
    disableInputButtons();
    for (QWidget* hovered :
         {static_cast<QWidget*>(lstShedule_->viewport()), static_cast<QWidget*>(memoINtext_)}) {
        hovered->setMouseTracking(true);
        hovered->installEventFilter(this);
    }
    connect(lstShedule_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!lstShedule_->selectedItems().isEmpty()) lstShedule_Click();
    });
    connect(memoINtext_, &QLineEdit::textChanged, this, &ScheduleNotes::memoINtext_Change);
    connect(tuikaButton_, &QPushButton::clicked, this, &ScheduleNotes::tuikaButton_Click);
    connect(sakujoBotton_, &QPushButton::clicked, this, &ScheduleNotes::sakujoBotton_Click);
    connect(hei_Button_, &QPushButton::clicked, this, &ScheduleNotes::hei_Button_Click);
}

QString ScheduleNotes::selectedKey() const {
    return DateSection::DateKey(state_.shownYear, state_.shownMonth, state_.selectedDay);
}

void ScheduleNotes::LoadDateNotes() {
    lstShedule_->clear();
    lstShedule_->addItems(DateSection::LoadDateNotes(store_, selectedKey()));
}

void ScheduleNotes::clear() { lstShedule_->clear(); }

void ScheduleNotes::hideDelete() { sakujoBotton_->hide(); }

void ScheduleNotes::disableInputButtons() {
    tuikaButton_->setEnabled(false);
    hei_Button_->setEnabled(false);
}

void ScheduleNotes::SaveDateNotes(const QString& colour) {
    QStringList notes;
    for (int row = 0; row < lstShedule_->count(); ++row) notes << lstShedule_->item(row)->text();
    DateSection::SaveDateNotes(store_, selectedKey(), notes, colour);
    emit saved();
}

void ScheduleNotes::tuikaButton_Click() {
    // With another month shown no date is selected; the note would go to a day not on show.
    if (state_.selectedCell == 0) {
        dialogs_.beep();
        dialogs_.message(window_, kSelectDate);
        return;
    }
    if (lstShedule_->count() < DateSection::kNoteSlots) {
        lstShedule_->addItem(memoINtext_->text());
    } else {
        dialogs_.beep();
        dialogs_.message(window_, QStringLiteral("これ以上追加できません"));
    }
    SaveDateNotes(QString::number(colours_.scheduleColour()));
    memoINtext_->clear();
    memoINtext_->setFocus();
}

void ScheduleNotes::sakujoBotton_Click() {
    // Deleting keeps the colour the date has now.
    const QString colour = store_.get(selectedKey(), "Color", "0");
    dialogs_.beep();
    if (dialogs_.message(window_, QStringLiteral("削除しますか？"), Dialogs::Buttons::YesNo) ==
        Dialogs::Answer::Yes) {
        const QList<QListWidgetItem*> chosen = lstShedule_->selectedItems();
        if (!chosen.isEmpty()) delete chosen.first();
    }
    hideDelete();
    SaveDateNotes(colour);
    memoINtext_->setFocus();
}

void ScheduleNotes::lstShedule_Click() {
    sakujoBotton_->show();
    sakujoBotton_->setDefault(true);
}

void ScheduleNotes::memoINtext_Change() {
    tuikaButton_->setEnabled(!memoINtext_->text().isEmpty());
    tuikaButton_->setDefault(true);
}

void ScheduleNotes::cmdDate_DblClick() {
    emit inputAreaRequested(true);
    hei_Button_->setEnabled(true);
    memoINtext_->setFocus();
}

void ScheduleNotes::hei_Button_Click() {
    emit inputAreaRequested(false);
    hei_Button_->setEnabled(false);
}

void ScheduleNotes::lstShedule_MouseMove() {
    QString tip;
    if (helpMode_())
        tip = lstShedule_->count() > 0
                  ? QStringLiteral("削除：項目を選択し Click")
                  : QStringLiteral("スケジュールの表示：日付をClick  入力：日付をDBLClick");
    lstShedule_->setToolTip(tip);
}

void ScheduleNotes::memoINtext_MouseMove() {
    memoINtext_->setToolTip(helpMode_() ? selectedKey() + "のスケジュールを入力し追加ボタンを押す"
                                        : QString());
}

bool ScheduleNotes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == memoINtext_)
            memoINtext_MouseMove();
        else
            lstShedule_MouseMove();
    }
    return false;
}
