#pragma once

#include <QList>
#include <QStringList>
#include <functional>

#include "platform/Dialogs.h"

// Records every message and beep in order, and answers messages only from its script: a
// message the test did not expect fails the test.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        Buttons buttons;
        Icon icon;
    };

    // The next message must have this text; it is answered with the given answer.
    void expect(const QString& text, Answer answer = Answer::Ok) { script_.append({text, answer}); }
    // Every message whose text starts with the prefix is answered Ok, however many come.
    void allowPrefix(const QString& prefix) { allowed_ << prefix; }

    Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override;
    void beep() override { events_ << QStringLiteral("beep"); }
    void alarmSound() override { events_ << QStringLiteral("alarm sound"); }
    int pickColour(QWidget*, int) override { return colourAnswer; }
    QString openFile(QWidget*, const QString&) override { return {}; }

    // "beep", "alarm sound" and "message:<text>" in the order they happened.
    const QStringList& events() const { return events_; }
    const QList<Shown>& shown() const { return shown_; }
    int beeps() const { return int(events_.count(QStringLiteral("beep"))); }
    int alarmSounds() const { return int(events_.count(QStringLiteral("alarm sound"))); }
    bool scriptDone() const { return script_.isEmpty(); }
    void clear() { events_.clear(); shown_.clear(); }

    // Runs as each message shows, before it is answered.
    std::function<void(const QString&)> onMessage;
    int colourAnswer = 0;

private:
    struct Scripted {
        QString text;
        Answer answer;
    };
    QList<Scripted> script_;
    QStringList allowed_;
    QStringList events_;
    QList<Shown> shown_;
};
