#pragma once

#include <QString>

// The lock's decisions, apart from the widgets that show them.
namespace LockRules {

// What a password box holds at most, in characters as the user sees them.
inline constexpr int kMaxPassword = 10;

// The first count characters of the text, each whole: a surrogate pair or a letter with its
// combining marks is never cut.
QString firstCharacters(const QString& text, int count);

enum class Press { CancelRequest, AskPassword, SetPassword, Lock };

// What a press of the lock button does: the first case that fits. Any flag but 0 counts as
// locked here.
Press onPress(bool requestOpen, int lockFlag, const QString& password);

// Whether the typed text is the password, letter case included. A longer password written into
// the store by hand is matched by as much of it as a box can hold; it could never be typed whole.
bool isPassword(const QString& typed, const QString& password);

}  // namespace LockRules
