#pragma once

// Labels that show their whole text. A label keeps the left and top its layout gives it, and that
// layout's width and height as the least it takes (its minimum size); a text that needs more room
// widens it to the right (a right-aligned one to the left, keeping the edge its text stands at),
// or wraps it downwards, and a shorter text gives the room back.

#include <QString>

class QLabel;
class QRect;

// Places `label` at `rect` (in pixels) and keeps the rect's size as the least it takes.
void placeFitted(QLabel *label, const QRect &rect);

// Widens the label as far as its text needs; never narrower than its layout.
void fitToText(QLabel *label);
// Sets the text and fits the label to it.
void showWhole(QLabel *label, const QString &text);

// For a label with free room below it, up to the next row: a text wider than `room` pixels wraps
// at its spaces within `room` and the label grows down as far as its lines need; a text that fits
// in `room` widens it on one line, as does one with a word wider than `room` (nothing to wrap at).
void fitToLines(QLabel *label, int room);
