#pragma once

#include <QFont>
#include <QString>

// The windows and printed pages name fonts of another desktop platform; map them to the metric
// twins installed here.
void installFontSubstitutions();

// A font by family and point size, as the windows' layouts give them.
QFont windowFont(const QString &family, double points, bool bold = false, bool underline = false);
