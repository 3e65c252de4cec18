#include "lock/LockRules.h"

namespace LockRules {

Press onPress(bool requestOpen, int lockFlag, const QString& password) {
    if (requestOpen) return Press::CancelRequest;
    if (lockFlag != 0) return Press::AskPassword;
    if (password.isEmpty()) return Press::SetPassword;
    return Press::Lock;
}

bool isPassword(const QString& typed, const QString& password) {
    return typed == password.left(kMaxPassword);
}

}  // namespace LockRules
