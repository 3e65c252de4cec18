#pragma once

#include "platform/Dialogs.h"

class QtDialogs : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override;
    void beep() override;
    int pickColour(QWidget* parent, int initialBgr) override;
    QString openFile(QWidget* parent, const QString& folder) override;
};
