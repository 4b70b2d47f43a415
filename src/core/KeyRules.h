#pragma once

// Which typed characters the text boxes accept. Letters are the plain A to Z and a to z.

#include <QChar>

namespace Keys {

bool isLetter(QChar c);
// Names, coaches and home towns: letters, apostrophe, hyphen and space.
bool isNameKey(QChar c);
// Home states: letters, apostrophe and space (no hyphen).
bool isHomeStateKey(QChar c);
bool isDigitKey(QChar c);

} // namespace Keys
