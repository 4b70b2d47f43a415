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
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
    }
}

std::optional<QString> ScriptedDialogs::openFile(const QString &filter, int filterIndex,
                                                 const QString &title, const QString &initialFolder)
{
    files.append({filter, filterIndex, title, initialFolder});
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

std::optional<QString> ScriptedDialogs::saveFile(const QString &filter, const QString &title,
                                                 const QString &proposedPath)
{
    saves.append({filter, 1, title, proposedPath});
    return saveAnswers.isEmpty() ? std::nullopt : saveAnswers.dequeue();
}

std::optional<QString> ScriptedDialogs::chooseFolder(const QString &title,
                                                     const QString &initialFolder)
{
    folders.append({QString(), 0, title, initialFolder});
    return folderAnswers.isEmpty() ? std::nullopt : folderAnswers.dequeue();
}

std::optional<QString> ScriptedDialogs::askText(const QString &title, const QString &label,
                                                const QString &text)
{
    messages.append({label, title, MessageButtons::OKCancel, MessageIcon::Question});
    proposedTexts.append(text);
    return textAnswers.isEmpty() ? std::nullopt : textAnswers.dequeue();
}

std::optional<qint32> ScriptedDialogs::chooseColor()
{
    ++colorDialogs;
    return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.dequeue();
}

namespace {

std::unique_ptr<QPrinter> pdfPrinter(const QString &pdf, const QString &documentName,
                                     const QPageLayout &layout)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    printer->setFullPage(false);
    printer->setPageLayout(layout);
    return printer;
}

} // namespace

std::unique_ptr<QPrinter> ScriptedDialogs::choosePrinter(const QString &documentName)
{
    ++printerDialogs;
    printedNames.append(documentName);
    const std::optional<QString> pdf =
        printerAnswers.isEmpty() ? std::nullopt : printerAnswers.dequeue();
    return pdf ? pdfPrinter(*pdf, documentName, printerLayout) : nullptr;
}

void ScriptedDialogs::previewPrint(
    const QString &documentName,
    const std::function<void(QPrinter &printer, bool previewing)> &draw)
{
    previews.append(documentName);
    if (!previewAnswers.isEmpty())
        draw(*pdfPrinter(previewAnswers.dequeue(), documentName, printerLayout), true);
}
