#pragma once
#include <Qt>

namespace tarnwick {

// The program's decimal key code for a Qt key, 0 for keys it has no code for.
// Letters give the upper-case code and shifted symbols the code of their key,
// since the program ignores the shift state.
int keyCodeFor(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace tarnwick
