#pragma once

#include <QPalette>

// The windows are laid out light: grey faces, white fields, black text, as their pictures and
// white tables expect. A dark desktop theme would darken only the windows that set no colour
// of their own, so the whole program keeps this one palette.
QPalette lightPalette();

// Gives the application the light palette; every role is set, so a theme change keeps it.
void useLightLook();
