#pragma once

// A window's host as small as the card windows need: the state, the dialogs and the photo. No
// other window opens from it.

#include "core/RecordFiles.h"
#include "platform/WindowHost.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QTest>

// A program folder with the team "Cubs" and its player "Smith" (shortstop) current, the border
// red: the team file is written, the player file left to the test.
struct CubsFolder
{
    static constexpr qint32 Red = 0x0000FF; // RGB Long: red in the low byte
    static void setUp(MainState &state, const QString &app)
    {
        state.ApplicationPath = app;
        state.ShippedPath = app;
        state.TeamName = "Cubs";
        state.PlayerName = "Smith";
        state.Position1 = 6;
        state.TeamBorderColor = Red;
        QDir().mkpath(app + "Cubs");
        TeamFile team;
        team.header = {"Cubs", "Coach Ray", "", "Fall", "", Red};
        team.roster[0] = {"Smith", 6};
        QVERIFY(RecordFiles::WriteTeamFile(app, "Cubs", team).ok());
    }
};

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
    void filesChanged() override {}
    const QImage &playerPicture() const override { return picture; }
    void clearPlayerPicture() override { picture = QImage(); }
    QWidget *showWindow(const QMetaObject &, const WindowOwner &,
                        const std::function<QWidget *()> &) override
    {
        return nullptr;
    }
    QWidget *openedWindow(const QMetaObject &) const override { return nullptr; }
    bool releaseWindows(const QString &, const QString &) override { return true; }

    MainState s;
    ScriptedDialogs d;
    QImage picture;
    int refreshes = 0;
};
