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

    void LoadDateNotes();
    // No date is selected: nothing to list.
    void clear();
    void hideDelete();
    void disableInputButtons();

    void cmdDate_DblClick();
    void tuikaButton_Click();
    void sakujoBotton_Click();
    void lstShedule_Click();
    void memoINtext_Change();
    void hei_Button_Click();
    void lstShedule_MouseMove();
    void memoINtext_MouseMove();

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
    bool SaveDateNotes(const QList<QByteArray>& notes, const QByteArray& colour);

    QWidget* window_;
    const CalendarState& state_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    const DateColours& colours_;
    std::function<bool()> helpMode_;
    QListWidget* lstShedule_;
    QPushButton* sakujoBotton_;
    QPushButton* tuikaButton_;
    QPushButton* hei_Button_;
    QLineEdit* memoINtext_;
};
