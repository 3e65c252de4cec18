#include "lock/PasswordBox.h"

#include <QLineEdit>
#include <QProxyStyle>

#include "lock/LockRules.h"

namespace {

// The desktop's own style, with "$" for each hidden character.
class DollarMask : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '$';
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

void PasswordBox::setUp(QLineEdit* box) {
    auto* style = new DollarMask;
    style->setParent(box);
    box->setStyle(style);
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(LockRules::kMaxPassword);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
}
