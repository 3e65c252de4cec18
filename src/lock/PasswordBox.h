#pragma once

class QLineEdit;

namespace PasswordBox {

// Makes the box a password entry: at most ten whole characters, each shown as "$", and no
// input-method composition, whose preedit text would show the password in the clear.
void setUp(QLineEdit* box);

}  // namespace PasswordBox
