#include "Fonts.h"

#include <QFont>

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

QFont windowFont(const QString &family, double points, bool bold, bool underline)
{
    // Named by its installed twin at once: matching the other platform's name first costs every
    // new font a lookup that fails before the substitution applies.
    QFont font(QFont::substitute(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}
