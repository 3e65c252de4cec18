#include "app/DeferringDialogs.h"

#include <utility>

// Held messages lose their parent window, which may be gone by now.
void DeferringDialogs::release() {
    held_ = false;
    for (const Held& item : std::exchange(pending_, {})) {
        if (item.isBeep) shown_.beep();
        else shown_.message(nullptr, item.text, Buttons::Ok, item.icon);
    }
}

Dialogs::Answer DeferringDialogs::message(QWidget* parent, const QString& text, Buttons buttons,
                                          Icon icon) {
    if (!held_ || buttons != Buttons::Ok) return shown_.message(parent, text, buttons, icon);
    pending_.append({false, text, icon});
    return Answer::Ok;
}

void DeferringDialogs::beep() {
    if (held_) pending_.append({true, {}, Icon::None});
    else shown_.beep();
}
