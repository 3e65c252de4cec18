#include "widgets/Accessible.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

namespace {

const char* const kRole = "accessibleRole";

// A left click as the mouse would make it, for labels that act on their mouse events.
void click(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
        QCoreApplication::sendEvent(widget, &event);
    }
}

class RoleInterface : public QAccessibleWidget {
public:
    explicit RoleInterface(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override {
        return QAccessible::Role(widget()->property(kRole).toInt());
    }
    QString text(QAccessible::Text t) const override {
        const QString said = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !said.isEmpty()) return said;
        if (const auto* label = qobject_cast<const QLabel*>(widget()))
            return label->text().simplified();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget()))
            return QString(button->text()).remove(u'&');
        return said;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget());
            button && button->isCheckable()) {
            s.checkable = true;
            s.checked = s.selected = button->isChecked();
        }
        return s;
    }
    QStringList actionNames() const override {
        if (role() == QAccessible::Button || role() == QAccessible::PageTab)
            return {pressAction()};
        return QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        if (auto* button = qobject_cast<QAbstractButton*>(widget()))
            button->click();
        else
            click(widget());
    }
};

QAccessibleInterface* withRole(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->property(kRole).isValid()) return nullptr;
    return new RoleInterface(widget);
}

}  // namespace

namespace Accessible {

void install() { QAccessible::installFactory(withRole); }

// An interface that Qt made before the role was set would keep its own role: it is dropped, and
// the next one asked for is made with the role.
void setRole(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(kRole, int(role));
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<RoleInterface*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace Accessible
