#pragma once

// Labels that show their whole text. A label keeps the left and top its layout gives it, and that
// layout's width and height as the least it takes (its minimum size); a text that needs more room
// widens it to the right (a right-aligned one to the left, keeping the edge its text stands at),
// or wraps it downwards, and a shorter text gives the room back.

#include <QFont>
#include <QString>

#include <functional>

class QLabel;
class QRect;

// Places `label` at `rect` (in pixels) and keeps the rect's size as the least it takes.
void placeFitted(QLabel *label, const QRect &rect);

// Widens the label as far as its text needs; never narrower than its layout.
void fitToText(QLabel *label);
// Sets the text and fits the label to it.
void showWhole(QLabel *label, const QString &text);

// For a label with `room` pixels before the next text and `lines` lines of height: sets `text`,
// wrapped at its spaces where it takes more than one line. A text that does not fit is set in
// narrower letters, down to half their width, so a long name stays whole in its column; a text
// that does not fit even then ends in "…" and shows whole in the label's tooltip.
void showWithin(QLabel *label, const QString &text, int room, int lines);
// The whole text a label shows, shortened by showWithin or not.
QString wholeText(const QLabel *label);

// `font`, or its narrower letters, so that `text` takes at most `room` pixels on one line (at
// narrowest, half their width).
QFont fontFitting(const QFont &font, const QString &text, int room);

// How a one-line text is set to keep to a fixed room, the same on screen and on paper: as it is
// when it fits; else its letters narrower, down to 60 % of their width; then, at 60 %, its size
// smaller in half points down to 7 points; past that at 7 points and 60 %, cut short with "…".
struct TextSetting
{
    QString text; // what is drawn: the text, or its beginning and "…"
    double points = 0;
    int stretch = 100; // percent of the letters' width
    bool shortened = false;
};
// The width `text` takes in the font at `points` and `stretch`, in the room's units.
using TextWidth = std::function<double(const QString &text, double points, int stretch)>;
TextSetting settingWithin(const QString &text, double points, double room, const TextWidth &width);

// A label showing one line in `room` pixels by that setting, from its `font`; a text cut short
// shows whole in the tooltip (and through wholeText).
void showSetWithin(QLabel *label, const QString &text, const QFont &font, int room);
