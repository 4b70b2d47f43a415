#pragma once

// Drops the typed characters a text box does not accept, as they are typed. Editing and
// navigation keys (backspace, arrows, tab, shortcuts) always pass.

#include <QObject>

#include <functional>

class QLineEdit;

class KeyFilter : public QObject
{
public:
    KeyFilter(QObject *target, std::function<bool(QChar)> accepts);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool(QChar)> m_accepts;
};

// Installs a filter on `box` that keeps only the characters `accepts` lets through.
void filterKeys(QLineEdit *box, std::function<bool(QChar)> accepts);
