#include "lock/PasswordBox.h"

#include <QLineEdit>
#include <QProxyStyle>
#include <QValidator>

#include "core/LockRules.h"

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

// Cuts what is typed or pasted at the last whole character that fits. The box's own length limit
// counts UTF-16 units and would split an emoji, leaving a password no keyboard can type again.
class CharacterLimit : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override {
        input = LockRules::firstCharacters(input, LockRules::kMaxPassword);
        position = qMin(position, int(input.size()));
        return Acceptable;
    }
};

}  // namespace

void PasswordBox::setUp(QLineEdit* box) {
    auto* style = new DollarMask;
    style->setParent(box);
    box->setStyle(style);
    box->setEchoMode(QLineEdit::Password);
    box->setValidator(new CharacterLimit(box));
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
}
