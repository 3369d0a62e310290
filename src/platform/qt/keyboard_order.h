#pragma once
// Keyboard-only use of a window: Tab goes through the controls in the order the user reads
// them, and nothing keeps it: a table's Tab moves from cell to cell and goes on to the next
// control past its last cell (Shift+Tab before its first), a sheet or table leaves with
// Ctrl+Tab and Ctrl+Shift+Tab.
#include <initializer_list>

class QWidget;

namespace platform {

// Tab order: each control after the one before it in the list.
void chainTabOrder(std::initializer_list<QWidget*> controls);

// Ctrl+Tab and Ctrl+Shift+Tab leave `control` (a table or a text field that takes Tab itself);
// a table is also left by Tab past its last cell and Shift+Tab before its first.
void leaveByKeyboard(QWidget* control);

} // namespace platform
