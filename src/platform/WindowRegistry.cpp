#include "WindowRegistry.h"

#include "Units.h"

WindowRegistry::WindowRegistry(QWidget &mainWindow, Dialogs &dialogs)
    : m_mainWindow(mainWindow), m_dialogs(dialogs)
{
}

QWidget *WindowRegistry::show(const QMetaObject &key, const WindowOwner &owner,
                              const std::function<QWidget *()> &create)
{
    if (QWidget *open = find(key)) {
        open->raise();
        open->activateWindow();
        return open;
    }
    QWidget *window = create();
    if (!window)
        return nullptr;
    m_windows.insert(&key, {window, owner});
    // A child of the main window stays above it. A window of fixed size opens as a dialog, which
    // offers no Maximize; the others (help, team tables) keep every button of a window.
    const bool fixedSize = window->minimumSize() == window->maximumSize();
    window->setParent(&m_mainWindow, fixedSize ? Qt::Dialog : Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Its size is the one it gave itself, its layout's: a size hint would only undo it.
    centreOnScreen(*window);
    window->show();
    return window;
}

QWidget *WindowRegistry::find(const QMetaObject &key) const
{
    // A window closed already is gone for the user, though deleted only later.
    QWidget *window = m_windows.value(&key).window;
    return window && window->isVisible() ? window : nullptr;
}

bool WindowRegistry::release(const QString &team, const QString &player, const QString &occasion)
{
    if (team.isEmpty())
        return true;
    QVector<QWidget *> owned;
    for (const Entry &entry : std::as_const(m_windows))
        if (entry.window && entry.owner.team == team &&
            (player.isEmpty() || entry.owner.player == player))
            owned.append(entry.window);

    QVector<EditingWindow *> toSave;
    for (QWidget *window : owned) {
        auto *editing = dynamic_cast<EditingWindow *>(window);
        if (!editing || !editing->hasUnsavedEdits())
            continue;
        const MessageAnswer answer = m_dialogs.message(
            QStringLiteral("\"%1\" holds changes that are not saved yet. Save them %2?")
                .arg(window->windowTitle(), occasion),
            window->windowTitle(), MessageButtons::YesNoCancel, MessageIcon::Question);
        if (answer == MessageAnswer::Yes)
            toSave.append(editing);
        else if (answer != MessageAnswer::No)
            return false;
    }
    for (EditingWindow *editing : toSave)
        if (!editing->saveEdits())
            return false;

    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (owned.contains(it->window)) {
            QWidget *window = it->window;
            it = m_windows.erase(it);
            // Asked above: a window of edits the user dropped closes without a second question.
            if (auto *editing = dynamic_cast<EditingWindow *>(window))
                editing->closeDroppingEdits(*window);
            else
                window->close();
        } else {
            ++it;
        }
    }
    return true;
}
