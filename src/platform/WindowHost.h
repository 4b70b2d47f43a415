#pragma once

// What every window reaches of the main window: the shared state, the dialogs, the summary
// refresh and the registry of open windows. Windows depend on this, never on the main window
// itself.

#include "Dialogs.h"
#include "core/MainState.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>

// The team and the player a window was opened for. A window of no team (about, tip, help) has an
// empty team; a window of the whole team (team profile, team tables, a new player's form) has an
// empty player.
struct WindowOwner
{
    QString team;
    QString player;
};

// A window that can hold edits not yet stored in its files.
class EditingWindow
{
public:
    virtual ~EditingWindow() = default;
    virtual bool hasUnsavedEdits() const = 0;
    // Stores the edits into the window's own files; false (the user told why) when it could not.
    virtual bool saveEdits() = 0;

    // Closes `window` and drops its edits without asking: its Cancel button says so, and the
    // registry has asked already.
    void closeDroppingEdits(QWidget &window);

protected:
    // For closeEvent: whether `window` may close now. Esc or the frame with edits not yet stored
    // asks whether to save them (Save stores them, and a failed store keeps the window), drop them,
    // or keep the window open.
    bool mayClose(QWidget &window, Dialogs &dialogs);

private:
    bool m_droppingEdits = false;
};

class WindowHost
{
public:
    virtual ~WindowHost() = default;

    virtual MainState &state() = 0;
    virtual Dialogs &dialogs() = 0;

    // Rereads the current team header, player file and stats file and redraws the summary; on
    // failure the user is told why and the page keeps what it showed. Returns whether it refreshed.
    virtual bool UpdateMainPage() = 0;
    // A window stored something: every open per-game list and team table shows its files anew.
    virtual void filesChanged() = 0;
    // The current player's photo as loaded, at its natural size (the card prints paint from it).
    virtual const QImage &playerPicture() const = 0;
    virtual void clearPlayerPicture() = 0;

    // Opens the window of class `key` for `owner`, or raises it unchanged when it is open already.
    // `create` may give nothing (a window that could not load); then nothing opens.
    virtual QWidget *showWindow(const QMetaObject &key, const WindowOwner &owner,
                                const std::function<QWidget *()> &create) = 0;
    virtual QWidget *openedWindow(const QMetaObject &key) const = 0;

    // The same, keyed by the window's class.
    template <class Window>
    Window *showWindow(const WindowOwner &owner, const std::function<Window *()> &create)
    {
        return qobject_cast<Window *>(showWindow(Window::staticMetaObject, owner, create));
    }
    template <class Window>
    Window *openedWindow() const
    {
        return qobject_cast<Window *>(openedWindow(Window::staticMetaObject));
    }

    // Closes every window of `team`, or only those of `player` when one is named, first asking
    // about edits not yet stored. False, with every window as it was, when the user cancels or an
    // edit could not be stored.
    virtual bool releaseWindows(const QString &team, const QString &player = QString()) = 0;
};
