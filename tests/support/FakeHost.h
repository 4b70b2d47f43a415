#pragma once

// A window's host as small as the card windows need: the state, the dialogs and the photo. No
// other window opens from it.

#include "platform/WindowHost.h"
#include "support/ScriptedDialogs.h"

class FakeHost : public WindowHost
{
public:
    MainState &state() override { return s; }
    Dialogs &dialogs() override { return d; }
    bool UpdateMainPage() override
    {
        ++refreshes;
        return true;
    }
    const QImage &playerPicture() const override { return picture; }
    void clearPlayerPicture() override { picture = QImage(); }
    QWidget *showWindow(const QString &, const WindowOwner &,
                        const std::function<QWidget *()> &) override
    {
        return nullptr;
    }
    QWidget *openedWindow(const QString &) const override { return nullptr; }
    bool releaseWindows(const QString &, const QString &) override { return true; }

    MainState s;
    ScriptedDialogs d;
    QImage picture;
    int refreshes = 0;
};
