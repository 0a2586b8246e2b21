#pragma once
// qtview::KeyMapping: Qt keys and modifiers as the window tree's virtual keys and modifiers.

#include <QKeyEvent>

namespace qtview {

// The virtual key of a Qt key, 0 when the tree has none for it.
int virtualKey(int qtKey);
// ui::Modifier bits of the Qt modifiers.
unsigned treeModifiers(Qt::KeyboardModifiers modifiers);

} // namespace qtview
