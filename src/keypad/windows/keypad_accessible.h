#pragma once
// What screen readers see of the keypad: the window as a frame and the keys of the face, which
// are drawn by the skin, as push buttons with a Press action. Names and descriptions are set
// with the language's texts (popis); the display names its value and describes its indicators.
namespace keypad {

// Installs the accessibility factory once per process; Tmain calls it.
void installKeypadAccessibility();

} // namespace keypad
