#pragma once

#include <QIcon>
#include <functional>

#include "platform/Dialogs.h"
#include "platform/EventSound.h"

class QtDialogs : public Dialogs {
public:
    // title: of every message box.
    explicit QtDialogs(QString title) : title_(std::move(title)) {}

    // The icon of a message box that stands on its own, in the task bar; asked for only then.
    void setWindowIcon(std::function<QIcon()> icon) { icon_ = std::move(icon); }
    // Qt's own texts (the buttons of message boxes, the colour and file dialogs) in Japanese like
    // the rest of the interface, whatever the locale; false where Qt's translations are missing.
    static bool useJapanese();

    Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override;
    void beep() override;
    void alarmSound() override;
    int pickColour(QWidget* parent, int initialBgr) override;
    QString openFile(QWidget* parent, const QString& folder) override;

private:
    QString title_;
    EventSound sound_;
    std::function<QIcon()> icon_;
};
