#pragma once

// The program's windows are plain widgets, yet the keyboard works in them as in a dialog.

class QAbstractButton;
class QWidget;

// Return and the keypad's Enter press `defaultButton`; Esc presses `cancelButton`, or closes the
// window when it has none. The buttons are clicked, so the keys run exactly what the mouse runs,
// and a disabled button stays unpressed. Only keys that no control of the window kept for itself
// reach here: a calendar or an open drop-down list still takes its Enter and Esc. Either button
// may be null; without a default button Enter means nothing to the window.
void behaveLikeDialog(QWidget &window, QAbstractButton *defaultButton,
                      QAbstractButton *cancelButton);

// For a form typed line by line: Return and Enter move the focus to the next control in the Tab
// order, press the button that has the focus, and with Ctrl press `submitButton`; Esc closes the
// window. As above, only keys the focused control left unused.
void enterMovesOn(QWidget &window, QAbstractButton *submitButton);
