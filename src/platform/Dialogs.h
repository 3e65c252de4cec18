#pragma once

#include <QString>

class QWidget;

// Modal interaction with the user: message boxes, the beep and the two common dialogs.
class Dialogs {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;
    virtual Answer message(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok,
                           Icon icon = Icon::None) = 0;
    // The desktop's bell sound, for a refusal or a failure.
    virtual void beep() = 0;
    // The desktop's alarm-clock sound, for a ringing alarm.
    virtual void alarmSound() = 0;
    // Returns the chosen colour as 0x00BBGGRR, or 0 when the user cancels.
    virtual int pickColour(QWidget* parent, int initialBgr) = 0;
    // Returns the chosen file, or an empty string when the user cancels.
    virtual QString openFile(QWidget* parent, const QString& folder) = 0;
};
