#pragma once

// Drops the typed characters a text box does not accept, as they are typed. A key is judged by
// its whole text, so a character outside the 16-bit range (a surrogate pair, one key's two QChars)
// is judged as the one character it is. Editing and navigation keys (backspace, arrows, tab,
// shortcuts) always pass.

#include <QObject>

#include <functional>

class QLineEdit;

class KeyFilter : public QObject
{
public:
    KeyFilter(QObject *target, std::function<bool(const QString &)> accepts);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool(const QString &)> m_accepts;
};

// Installs a filter on `box` that keeps only the characters `accepts` lets through; a key whose
// text holds several QChars passes only when every one of them does.
void filterKeys(QLineEdit *box, std::function<bool(QChar)> accepts);

// True when a team or player name may hold `text`: no control character, and nothing the
// Windows-1252 bytes of the record files cannot store.
bool isNameText(const QString &text);
// Installs a filter on a name box that drops what `isNameText` refuses; the other name rules are
// checked when the name is submitted.
void filterNameKeys(QLineEdit *box);
