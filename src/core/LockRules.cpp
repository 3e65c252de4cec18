#include "core/LockRules.h"

#include <QTextBoundaryFinder>

namespace LockRules {

Press onPress(bool requestOpen, int lockFlag, const QString& password) {
    if (requestOpen) return Press::CancelRequest;
    if (lockFlag != 0) return Press::AskPassword;
    if (password.isEmpty()) return Press::SetPassword;
    return Press::Lock;
}

QString firstCharacters(const QString& text, int count) {
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    for (int n = 0; n < count; ++n)
        if (characters.toNextBoundary() < 0) return text;
    return text.left(characters.position());
}

bool isPassword(const QString& typed, const QString& password) {
    return typed == firstCharacters(password, kMaxPassword);
}

}  // namespace LockRules
