#pragma once

// The open windows of the program, each under its class with the team and player it belongs to.
// Changing the team or deleting a player closes that owner's windows through here, asking first
// where edits would be lost, so a window left open never writes into files not its own.

#include "Dialogs.h"
#include "WindowHost.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class WindowRegistry
{
public:
    WindowRegistry(QWidget &mainWindow, Dialogs &dialogs);

    QWidget *show(const QMetaObject &key, const WindowOwner &owner,
                  const std::function<QWidget *()> &create);
    QWidget *find(const QMetaObject &key) const;

    // Closes the windows of `team` (of only `player` when one is named). Each window holding edits
    // not yet stored is named in a question, answered for all of them before anything happens:
    // Yes stores the edits, No drops them, Cancel keeps every window as it is. `occasion` ends the
    // question, as in "before another team is opened".
    bool release(const QString &team, const QString &player, const QString &occasion);

private:
    struct Entry
    {
        QPointer<QWidget> window;
        WindowOwner owner;
    };

    QWidget &m_mainWindow;
    Dialogs &m_dialogs;
    QHash<const QMetaObject *, Entry> m_windows;
};
