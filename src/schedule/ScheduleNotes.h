#pragma once

#include <QObject>
#include <functional>

class DateColours;
class Dialogs;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;
class SettingsStore;
struct CalendarState;

// The selected date's notes: the list on the calendar tab, the input area below the tabs, and
// adding and deleting, each written to the store at once.
class ScheduleNotes : public QObject {
    Q_OBJECT
public:
    // helpMode tells whether hover help is on.
    ScheduleNotes(QWidget* window, const CalendarState& state, SettingsStore& store,
                  Dialogs& dialogs, const DateColours& colours, std::function<bool()> helpMode);

    void loadNotes();
    // No date is selected: nothing to list.
    void showNoDate();
    void hideDelete();
    void disableInputButtons();

    void onDateDoubleClicked();
    void addNote();
    void deleteNote();
    // Delete on the keyboard: the note under the list's cursor, as if it were clicked.
    void deleteCurrent();
    void onNoteClicked();
    void onNoteTyped();
    void endInput();
    void showListHelp();
    void showInputHelp();

signals:
    // The settings window shows or hides the input area below its tabs.
    void inputAreaRequested(bool shown);
    // The date's section was rewritten; the grid should show its colour.
    void saved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString selectedKey() const;
    QList<QByteArray> listedNotes() const;
    bool saveNotes(const QList<QByteArray>& notes, const QByteArray& colour);

    QWidget* window_;
    const CalendarState& state_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    const DateColours& colours_;
    std::function<bool()> helpMode_;
    QListWidget* noteList_;
    QPushButton* deleteButton_;
    QPushButton* addButton_;
    QPushButton* endInputButton_;
    QLineEdit* noteInput_;
};
