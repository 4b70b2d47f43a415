#pragma once

// The set-up every window test shares: a program folder in a temporary directory, filled from a
// fixture, and the main window started on it with every dialog answered by script.

#include "mainwindow/frmMain.h"
#include "support/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QObject>
#include <QTemporaryDir>

#include <memory>

// Deletes the windows closed meanwhile, as the event loop would.
inline void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class WindowTest : public QObject
{
protected:
    // A fresh program folder, with the fixture folder's files when one is named.
    void prepare(const QString &fixture = QString());
    // The main window on the folder, its tip timer stopped.
    void startMain();
    // Closes the main window and deletes the windows closed meanwhile.
    void finish();
    // The open window of the main window whose objectName (its class's name) is `name`.
    QWidget *openedWindowNamed(const QString &name) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app; // with its trailing "/"
    ScriptedDialogs m_dialogs;
    std::unique_ptr<frmMain> m_main;
};
