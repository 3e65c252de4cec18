#pragma once

#include "platform/Dialogs.h"
#include "platform/EventSound.h"

class QtDialogs : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override;
    void beep() override;
    void alarmSound() override;
    int pickColour(QWidget* parent, int initialBgr) override;
    QString openFile(QWidget* parent, const QString& folder) override;

private:
    EventSound sound_;
};
