#include "ScriptedDialogs.h"

MessageAnswer ScriptedDialogs::message(const QString &text, const QString &title,
                                       MessageButtons buttons, MessageIcon icon)
{
    messages.append({text, title, buttons, icon});
    if (whenAsked)
        whenAsked(messages.last());
    if (!messageAnswers.isEmpty())
        return messageAnswers.dequeue();
    switch (buttons) {
    case MessageButtons::OK: return MessageAnswer::OK;
    case MessageButtons::YesNo: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
    }
}

std::optional<QString> ScriptedDialogs::openFile(const QString &filter, int filterIndex,
                                                 const QString &title, const QString &initialFolder)
{
    files.append({filter, filterIndex, title, initialFolder});
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

std::optional<qint32> ScriptedDialogs::chooseColor()
{
    ++colorDialogs;
    return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.dequeue();
}

std::unique_ptr<QPrinter> ScriptedDialogs::choosePrinter(const QString &documentName)
{
    ++printerDialogs;
    printedNames.append(documentName);
    const std::optional<QString> pdf =
        printerAnswers.isEmpty() ? std::nullopt : printerAnswers.dequeue();
    if (!pdf)
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(*pdf);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setPageMargins(QMarginsF(0, 0, 0, 0)); // the printable area is the whole page
    return printer;
}
