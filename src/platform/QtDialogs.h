#pragma once

#include "Dialogs.h"

#include <QStringList>

class QWidget;

// The dialogs the user sees, each over the active window.
class QtDialogs : public Dialogs
{
public:
    MessageAnswer message(const QString &text, const QString &title, MessageButtons buttons,
                          MessageIcon icon) override;
    std::optional<QString> openFile(const QString &filter, int filterIndex, const QString &title,
                                    const QString &initialFolder) override;
    std::optional<QString> saveFile(const QString &filter, const QString &title,
                                    const QString &proposedPath) override;
    std::optional<QString> chooseFolder(const QString &title,
                                        const QString &initialFolder) override;
    std::optional<qint32> chooseColor() override;
    std::optional<QString> askText(const QString &title, const QString &label,
                                   const QString &text) override;
    std::unique_ptr<QPrinter> choosePrinter(const QString &documentName) override;
    void previewPrint(const QString &documentName,
                      const std::function<void(QPrinter &printer, bool previewing)> &draw) override;
    void printedToFile(const QString &path) override;
};

// The printer the print dialog opens with: named `documentName`, with "<documentName>.pdf" in
// the user's documents folder (his home folder when he has none) as the file it suggests.
std::unique_ptr<QPrinter> suggestedPrinter(const QString &documentName);

// "Team Files (*.tea)|*.tea" as the name filters of a Qt file dialog.
QStringList qtNameFilters(const QString &filter);
