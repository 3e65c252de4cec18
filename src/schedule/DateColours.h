#pragma once

#include <QObject>
#include <QPoint>

class Dialogs;
class QLabel;
class QMenu;
class QWidget;
class SettingsStore;
struct CalendarState;
struct SettingsRecord;

// The two user colours: the schedule colour that notes give their date (the text colour of
// "Color Change"), and the date colour that the right-click menu of a date cell applies.
class DateColours : public QObject {
    Q_OBJECT
public:
    DateColours(QWidget* window, const CalendarState& state, SettingsRecord& record,
                SettingsStore& store, Dialogs& dialogs);

    void loadScheduleColour();
    int scheduleColour() const;
    // Shows the date colour on the selected cell and offers the menu at the mouse.
    void preview(QPoint globalPos);

    void giveDateColour();
    void chooseDateColour();
    void restoreWeekdayColour();
    void chooseScheduleColour();

signals:
    // The grid should take its colours from the store again.
    void recolourRequested();

private:
    QLabel* selectedCell() const;
    QString selectedKey() const;
    // The colour dialog; 0 when the user cancelled or chose black, after saying so.
    int askColour();

    QWidget* window_;
    const CalendarState& state_;
    SettingsRecord& record_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    QMenu* menu_;
    QLabel* scheduleColourLabel_;
    int savedColour_ = 0;
};
