#include "WindowTest.h"

#include "support/TestFiles.h"

#include <QCoreApplication>

void WindowTest::prepare(const QString &fixture)
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_app = m_dir->path() + QLatin1Char('/');
    if (!fixture.isEmpty())
        copyFixture(fixture, m_dir->path());
    m_dialogs = ScriptedDialogs();
}

void WindowTest::startMain()
{
    m_main = std::make_unique<frmMain>(ProgramFolders{m_app, m_app}, m_dialogs);
    m_main->Timer1.stop();
}

void WindowTest::finish()
{
    m_main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *WindowTest::openedWindowNamed(const QString &name) const
{
    for (QWidget *child : m_main->findChildren<QWidget *>(name, Qt::FindDirectChildrenOnly))
        if (child->isWindow())
            return child;
    return nullptr;
}
