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
