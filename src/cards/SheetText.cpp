#include "SheetText.h"

#include "platform/TextFit.h"

namespace CardSheet {

namespace {

// Sets the canvas font for `text` in `room` and returns what to print; `restore` puts the font
// back.
QString setWithin(Canvas &canvas, const QString &text, int room)
{
    const double points = canvas.state().fontSize;
    const TextSetting setting =
        settingWithin(text, points, room, [&canvas](const QString &t, double size, int percent) {
            canvas.setFontSize(size);
            canvas.setFontStretch(percent);
            return double(canvas.textWidth(t));
        });
    canvas.setFontSize(setting.points);
    canvas.setFontStretch(setting.stretch);
    return setting.text;
}

void restore(Canvas &canvas, double points)
{
    canvas.setFontSize(points);
    canvas.setFontStretch(100);
}

} // namespace

void printWithin(Canvas &canvas, const QString &text, int x, int y, int room)
{
    const double points = canvas.state().fontSize;
    printAt(canvas, setWithin(canvas, text, room), x, y);
    restore(canvas, points);
}

void printCentredWithin(Canvas &canvas, const QString &text, int centreX, int y, int room)
{
    const double points = canvas.state().fontSize;
    printCentred(canvas, setWithin(canvas, text, room), centreX, y);
    restore(canvas, points);
}

} // namespace CardSheet
