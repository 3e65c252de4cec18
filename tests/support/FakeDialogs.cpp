#include "FakeDialogs.h"

#include <QTest>

Dialogs::Answer FakeDialogs::message(QWidget*, const QString& text, Buttons buttons, Icon icon) {
    events_ << "message:" + text;
    shown_.append({text, buttons, icon});
    if (onMessage) onMessage(text);
    for (const QString& prefix : allowed_)
        if (text.startsWith(prefix)) return Answer::Ok;
    if (script_.isEmpty() || script_.first().text != text) {
        const QString expected = script_.isEmpty() ? QStringLiteral("(none)") : script_.first().text;
        QTest::qFail(qPrintable("unexpected message box: " + text + " / expected: " + expected),
                     __FILE__, __LINE__);
        return Answer::Cancel;
    }
    return script_.takeFirst().answer;
}
