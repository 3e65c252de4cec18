#include "widgets/LabelMouse.h"

#include <QLabel>
#include <QMouseEvent>

void LabelMouse::watch(QLabel* label, int index) {
    indices_.insert(label, index);
    label->installEventFilter(this);
}

bool LabelMouse::eventFilter(QObject* watched, QEvent* event) {
    const auto found = indices_.constFind(watched);
    const QEvent::Type type = event->type();
    if (found == indices_.cend() ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
         type != QEvent::MouseButtonRelease))
        return false;
    const int index = *found;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint globalPos = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress) {
        emit pressed(index, mouse->button(), globalPos);
    } else if (type == QEvent::MouseButtonDblClick) {
        // The release that ends a double click is not a second click.
        doubleClicking_ = true;
        emit doubleClicked(index, mouse->button(), globalPos);
    } else {
        const bool click =
            !doubleClicking_ && mouse->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
        doubleClicking_ = false;
        emit released(index);
        if (click) emit clicked(index);
    }
    return true;
}
