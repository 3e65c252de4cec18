#pragma once

namespace Memory {

// Hands the heap's free pages back to the system: a closed window's many small blocks would
// otherwise stay counted against the program until the next window reuses them.
void returnFreed();

}  // namespace Memory
