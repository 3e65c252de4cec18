#include "schedule/ScheduleNotes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/CalendarState.h"
#include "core/DateSection.h"
#include "core/SettingsStore.h"
#include "platform/Dialogs.h"
#include "schedule/DateColours.h"
#include "widgets/ControlDef.h"
#include "widgets/CutRows.h"

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
      noteList_(control<QListWidget>(window, "noteList")),
      deleteButton_(control<QPushButton>(window, "deleteNoteButton")),
      addButton_(control<QPushButton>(window, "addNoteButton")),
      endInputButton_(control<QPushButton>(window, "endInputButton")),
      noteInput_(control<QLineEdit>(window, "noteInput")) {
    // A long note stays on its line, cut short, and never widens the list.
    noteList_->setTextElideMode(Qt::ElideRight);
    noteList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    noteList_->setUniformItemSizes(true);
    deleteButton_->hide();
    disableInputButtons();
    for (QWidget* hovered :
         {static_cast<QWidget*>(noteList_->viewport()), static_cast<QWidget*>(noteInput_)}) {
        hovered->setMouseTracking(true);
        hovered->installEventFilter(this);
    }
    noteList_->installEventFilter(this);  // Delete
    // Every click on a note offers to delete it, on the one already chosen too; so does
    // choosing one with the keys.
    connect(noteList_, &QListWidget::itemClicked, this, &ScheduleNotes::onNoteClicked);
    connect(noteList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!noteList_->selectedItems().isEmpty()) onNoteClicked();
    });
    connect(noteInput_, &QLineEdit::textChanged, this, &ScheduleNotes::onNoteTyped);
    connect(addButton_, &QPushButton::clicked, this, &ScheduleNotes::addNote);
    connect(deleteButton_, &QPushButton::clicked, this, &ScheduleNotes::deleteNote);
    connect(endInputButton_, &QPushButton::clicked, this, &ScheduleNotes::endInput);
}

QString ScheduleNotes::selectedKey() const {
    return DateSection::dateKey(state_.shownYear, state_.shownMonth, state_.selectedDay);
}

// Each row keeps the note's stored bytes, so that rewriting the date gives back what it found.
void ScheduleNotes::loadNotes() {
    noteList_->clear();
    for (const QByteArray& note : DateSection::storedNotes(store_, selectedKey())) {
        auto* row = new QListWidgetItem(QString::fromUtf8(note), noteList_);
        row->setData(kStoredBytes, note);
    }
    showCutRowsInFull(noteList_);
}

QList<QByteArray> ScheduleNotes::listedNotes() const {
    QList<QByteArray> notes;
    for (int row = 0; row < noteList_->count(); ++row)
        notes << noteList_->item(row)->data(kStoredBytes).toByteArray();
    return notes;
}

void ScheduleNotes::showNoDate() { noteList_->clear(); }

void ScheduleNotes::hideDelete() { deleteButton_->hide(); }

void ScheduleNotes::disableInputButtons() {
    addButton_->setEnabled(false);
    endInputButton_->setEnabled(false);
}

// The list is read back from the store, so that it shows what was kept, saved or not.
bool ScheduleNotes::saveNotes(const QList<QByteArray>& notes, const QByteArray& colour) {
    const bool stored = DateSection::saveNotes(store_, selectedKey(), notes, colour);
    loadNotes();
    emit saved();
    return stored;
}

void ScheduleNotes::addNote() {
    // With another month shown no date is selected; the note would go to a day not on show.
    if (state_.selectedCell == 0) {
        dialogs_.beep();
        dialogs_.message(window_, kSelectDate);
        return;
    }
    QList<QByteArray> notes = listedNotes();
    if (notes.size() < DateSection::kNoteSlots) {
        notes << noteInput_->text().toUtf8();
    } else {
        dialogs_.beep();
        dialogs_.message(window_, QStringLiteral("これ以上追加できません"));
    }
    // A note that could not be stored stays typed, for another try.
    if (saveNotes(notes, QByteArray::number(colours_.scheduleColour()))) noteInput_->clear();
    noteInput_->setFocus();
}

void ScheduleNotes::deleteNote() {
    // Deleting keeps the colour the date has now.
    const QByteArray colour = store_.getBytes(selectedKey(), "Color").value_or("0");
    QList<QByteArray> notes = listedNotes();
    dialogs_.beep();
    if (dialogs_.message(window_, QStringLiteral("削除しますか？"), Dialogs::Buttons::YesNo) ==
        Dialogs::Answer::Yes) {
        const QList<QListWidgetItem*> chosen = noteList_->selectedItems();
        if (!chosen.isEmpty()) notes.removeAt(noteList_->row(chosen.first()));
    }
    hideDelete();
    saveNotes(notes, colour);
    noteInput_->setFocus();
}

void ScheduleNotes::deleteCurrent() {
    QListWidgetItem* current = noteList_->currentItem();
    if (!current) return;
    current->setSelected(true);
    deleteNote();
}

void ScheduleNotes::onNoteClicked() {
    deleteButton_->show();
    deleteButton_->setDefault(true);
}

void ScheduleNotes::onNoteTyped() {
    addButton_->setEnabled(!noteInput_->text().isEmpty());
    addButton_->setDefault(true);
}

void ScheduleNotes::onDateDoubleClicked() {
    emit inputAreaRequested(true);
    endInputButton_->setEnabled(true);
    noteInput_->setFocus();
}

void ScheduleNotes::endInput() {
    emit inputAreaRequested(false);
    endInputButton_->setEnabled(false);
}

void ScheduleNotes::showListHelp() {
    QString tip;
    if (helpMode_())
        tip = noteList_->count() > 0
                  ? QStringLiteral("削除：項目を選択し Click")
                  : QStringLiteral("スケジュールの表示：日付をClick  入力：日付をDBLClick");
    noteList_->setToolTip(tip);
}

void ScheduleNotes::showInputHelp() {
    noteInput_->setToolTip(helpMode_() ? selectedKey() + "のスケジュールを入力し追加ボタンを押す"
                                       : QString());
}

bool ScheduleNotes::eventFilter(QObject* watched, QEvent* event) {
    if (watched == noteList_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteCurrent();
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        if (watched == noteInput_)
            showInputHelp();
        else
            showListHelp();
    }
    return false;
}
