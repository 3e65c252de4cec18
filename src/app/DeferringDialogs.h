#pragma once

#include <QList>
#include <QString>

#include "platform/Dialogs.h"

// The program's dialogs, able to hold back messages and beeps while an alarm rings: a message
// box opened then would sit under the full-screen alarm and take the Enter meant for it. What was
// held is shown, in order, when the alarm is confirmed. Questions are never held.
class DeferringDialogs : public Dialogs {
public:
    explicit DeferringDialogs(Dialogs& shown) : shown_(shown) {}

    void hold() { held_ = true; }
    void release();

    Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override;
    void beep() override;
    void alarmSound() override { shown_.alarmSound(); }
    int pickColour(QWidget* parent, int initialBgr) override {
        return shown_.pickColour(parent, initialBgr);
    }
    QString openFile(QWidget* parent, const QString& folder) override {
        return shown_.openFile(parent, folder);
    }

private:
    struct Held {
        bool isBeep;
        QString text;
        Icon icon;
    };

    Dialogs& shown_;
    bool held_ = false;
    QList<Held> pending_;
};
