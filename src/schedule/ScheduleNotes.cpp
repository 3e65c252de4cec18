#include "schedule/ScheduleNotes.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/Dialogs.h"
#include "core/CalendarState.h"
#include "schedule/DateColours.h"
#include "core/DateSection.h"
#include "widgets/ControlDef.h"
#include "core/SettingsStore.h"

namespace {
const QString kSelectDate = QStringLiteral("日付を指定してください");
constexpr int kStoredBytes = Qt::UserRole;
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
      lstShedule_(control<QListWidget>(window, "noteList")),
      sakujoBotton_(control<QPushButton>(window, "deleteNoteButton")),
      tuikaButton_(control<QPushButton>(window, "addNoteButton")),
      hei_Button_(control<QPushButton>(window, "endInputButton")),
      memoINtext_(control<QLineEdit>(window, "noteInput")) {
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
    // Every click on a note offers to delete it, on the one already chosen too; so does
    // choosing one with the keys.
    connect(lstShedule_, &QListWidget::itemClicked, this, &ScheduleNotes::lstShedule_Click);
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

// Each row keeps the note's stored bytes, so that rewriting the date gives back what it found.
void ScheduleNotes::LoadDateNotes() {
    lstShedule_->clear();
    for (const QByteArray& note : DateSection::storedNotes(store_, selectedKey())) {
        auto* row = new QListWidgetItem(QString::fromUtf8(note), lstShedule_);
        row->setData(kStoredBytes, note);
    }
}

QList<QByteArray> ScheduleNotes::listedNotes() const {
    QList<QByteArray> notes;
    for (int row = 0; row < lstShedule_->count(); ++row)
        notes << lstShedule_->item(row)->data(kStoredBytes).toByteArray();
    return notes;
}

void ScheduleNotes::clear() { lstShedule_->clear(); }

void ScheduleNotes::hideDelete() { sakujoBotton_->hide(); }

void ScheduleNotes::disableInputButtons() {
    tuikaButton_->setEnabled(false);
    hei_Button_->setEnabled(false);
}

// The list is read back from the store, so that it shows what was kept, saved or not.
bool ScheduleNotes::SaveDateNotes(const QList<QByteArray>& notes, const QByteArray& colour) {
    const bool stored = DateSection::SaveDateNotes(store_, selectedKey(), notes, colour);
    LoadDateNotes();
    emit saved();
    return stored;
}

void ScheduleNotes::tuikaButton_Click() {
    // With another month shown no date is selected; the note would go to a day not on show.
    if (state_.selectedCell == 0) {
        dialogs_.beep();
        dialogs_.message(window_, kSelectDate);
        return;
    }
    QList<QByteArray> notes = listedNotes();
    if (notes.size() < DateSection::kNoteSlots) {
        notes << memoINtext_->text().toUtf8();
    } else {
        dialogs_.beep();
        dialogs_.message(window_, QStringLiteral("これ以上追加できません"));
    }
    // A note that could not be stored stays typed, for another try.
    if (SaveDateNotes(notes, QByteArray::number(colours_.scheduleColour()))) memoINtext_->clear();
    memoINtext_->setFocus();
}

void ScheduleNotes::sakujoBotton_Click() {
    // Deleting keeps the colour the date has now.
    const QByteArray colour = store_.getBytes(selectedKey(), "Color").value_or("0");
    QList<QByteArray> notes = listedNotes();
    dialogs_.beep();
    if (dialogs_.message(window_, QStringLiteral("削除しますか？"), Dialogs::Buttons::YesNo) ==
        Dialogs::Answer::Yes) {
        const QList<QListWidgetItem*> chosen = lstShedule_->selectedItems();
        if (!chosen.isEmpty()) notes.removeAt(lstShedule_->row(chosen.first()));
    }
    hideDelete();
    SaveDateNotes(notes, colour);
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
