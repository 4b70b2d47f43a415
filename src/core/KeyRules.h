#pragma once

// Which typed characters the text boxes accept. Letters are the plain A to Z and a to z.

#include <QChar>
#include <QString>

#include <optional>

namespace Keys {

bool isLetter(QChar c);
// Names, coaches and home towns: letters, apostrophe, hyphen and space.
bool isNameKey(QChar c);
// Home states: letters, apostrophe and space (no hyphen).
bool isHomeStateKey(QChar c);
bool isDigitKey(QChar c);

// A number box as typed: 0 when empty; nothing when it holds anything but digits or a number above
// 32767, which only a paste can put there.
std::optional<qint16> parseNumberBox(const QString &text);

} // namespace Keys
