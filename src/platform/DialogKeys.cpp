#include "DialogKeys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace {

// Watches the window itself: a key arrives there only when the control with the focus (and every
// widget between it and the window) left it unused. `keyPressed` says whether it took the key.
class WindowKeys : public QObject
{
public:
    explicit WindowKeys(QWidget &window) : QObject(&window), m_window(window)
    {
        window.installEventFilter(this);
    }

protected:
    virtual bool keyPressed(const QKeyEvent &key) = 0;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_window || event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        return keyPressed(*static_cast<QKeyEvent *>(event));
    }

    QWidget &m_window;
};

class DialogKeys : public WindowKeys
{
public:
    DialogKeys(QWidget &window, QAbstractButton *defaultButton, QAbstractButton *cancelButton)
        : WindowKeys(window), m_default(defaultButton), m_cancel(cancelButton)
    {
    }

protected:
    bool keyPressed(const QKeyEvent &key) override
    {
        // Shift, Ctrl or Alt with the key is some other command.
        if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!m_default)
                return false;
            m_default->click();
            return true;
        case Qt::Key_Escape:
            if (m_cancel)
                m_cancel->click();
            else
                m_window.close();
            return true;
        default: return false;
        }
    }

private:
    QPointer<QAbstractButton> m_default;
    QPointer<QAbstractButton> m_cancel;
};

class EnterMovesOn : public WindowKeys
{
public:
    EnterMovesOn(QWidget &window, QAbstractButton *submitButton)
        : WindowKeys(window), m_submit(submitButton)
    {
    }

protected:
    bool keyPressed(const QKeyEvent &key) override
    {
        const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
        if (key.key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
            m_window.close();
            return true;
        }
        if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
            return false;
        if (modifiers == Qt::ControlModifier) {
            if (m_submit)
                m_submit->click();
            return true;
        }
        if (modifiers != Qt::NoModifier)
            return false;
        QWidget *focus = m_window.focusWidget();
        if (auto *button = qobject_cast<QAbstractButton *>(focus)) {
            button->click();
        } else if (focus) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(focus, &tab);
        }
        return true;
    }

private:
    QPointer<QAbstractButton> m_submit;
};

} // namespace

void enterMovesOn(QWidget &window, QAbstractButton *submitButton)
{
    new EnterMovesOn(window, submitButton);
}

void behaveLikeDialog(QWidget &window, QAbstractButton *defaultButton,
                      QAbstractButton *cancelButton)
{
    // Drawn as the default, so the user sees which button Enter presses.
    if (auto *button = qobject_cast<QPushButton *>(defaultButton))
        button->setDefault(true);
    new DialogKeys(window, defaultButton, cancelButton);
}
