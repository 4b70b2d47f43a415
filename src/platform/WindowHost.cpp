#include "WindowHost.h"

void EditingWindow::closeDroppingEdits(QWidget &window)
{
    m_droppingEdits = true;
    if (!window.close())
        m_droppingEdits = false;
}

bool EditingWindow::mayClose(QWidget &window, Dialogs &dialogs)
{
    if (m_droppingEdits || !hasUnsavedEdits())
        return true;
    const MessageAnswer answer = dialogs.message(
        QStringLiteral("%1 holds changes that are not saved yet. Save them?")
            .arg(window.windowTitle()),
        window.windowTitle(), MessageButtons::SaveDiscardCancel, MessageIcon::Question);
    if (answer == MessageAnswer::Save)
        return saveEdits();
    return answer == MessageAnswer::Discard;
}
