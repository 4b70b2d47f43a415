#include "QtDialogs.h"

#include "Units.h"
#include "UserFolders.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStandardPaths>

QStringList qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Files here need not have a dot in their name.
        patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('(')))
            filters << description.left(description.lastIndexOf(QLatin1Char('('))).trimmed() +
                           QStringLiteral(" (") + patterns + QLatin1Char(')');
        else
            filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

MessageAnswer QtDialogs::message(const QString &text, const QString &title, MessageButtons buttons,
                                 MessageIcon icon)
{
    QMessageBox box(QApplication::activeWindow());
    box.setText(text);
    box.setWindowTitle(title);
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    switch (buttons) {
    case MessageButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case MessageButtons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::OK;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Save: return MessageAnswer::Save;
    case QMessageBox::Discard: return MessageAnswer::Discard;
    default: return buttons == MessageButtons::OK ? MessageAnswer::OK : MessageAnswer::Cancel;
    }
}

std::optional<QString> QtDialogs::openFile(const QString &filter, int filterIndex,
                                           const QString &title, const QString &initialFolder)
{
    QFileDialog dialog(QApplication::activeWindow(), title, initialFolder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = qtNameFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters[filterIndex - 1]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::saveFile(const QString &filter, const QString &title,
                                           const QString &proposedPath)
{
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(qtNameFilters(filter));
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::chooseFolder(const QString &title, const QString &initialFolder)
{
    const QString folder =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, initialFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<qint32> QtDialogs::chooseColor()
{
    // Qt's colour dialog always shows its custom colours.
    QColorDialog dialog(QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return rgbLongFromColor(dialog.selectedColor());
}

std::unique_ptr<QPrinter> suggestedPrinter(const QString &documentName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    printer->setOutputFileName(
        QDir(documentsFolder()).filePath(documentName + QStringLiteral(".pdf")));
    // The file name made the printer a PDF writer. Where there is a real printer it stays the one
    // the dialog offers first, the file ready should the user choose PDF; without one this changes
    // nothing.
    printer->setOutputFormat(QPrinter::NativeFormat);
    return printer;
}

std::unique_ptr<QPrinter> QtDialogs::choosePrinter(const QString &documentName)
{
    std::unique_ptr<QPrinter> printer = suggestedPrinter(documentName);
    // Printing to a PDF file stays offered: without it a machine with no printer could not print.
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

void QtDialogs::previewPrint(const QString &documentName,
                             const std::function<void(QPrinter &printer, bool previewing)> &draw)
{
    std::unique_ptr<QPrinter> printer = suggestedPrinter(documentName);
    QPrintPreviewDialog dialog(printer.get(), QApplication::activeWindow());
    dialog.setWindowTitle(documentName);
    QString savedTo;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&draw, &savedTo](QPrinter *target) {
                         // The preview records the pages through a picture engine.
                         const bool previewing =
                             target->paintEngine()->type() == QPaintEngine::Picture;
                         draw(*target, previewing);
                         if (!previewing && target->outputFormat() == QPrinter::PdfFormat)
                             savedTo = target->outputFileName();
                     });
    dialog.exec();
    if (!savedTo.isEmpty())
        printedToFile(savedTo);
}

void QtDialogs::printedToFile(const QString &path)
{
    message(savedFileText(path), QStringLiteral("Printed to a File"), MessageButtons::OK,
            MessageIcon::Information);
}

std::optional<QString> QtDialogs::askText(const QString &title, const QString &label,
                                          const QString &text)
{
    bool ok = false;
    const QString typed = QInputDialog::getText(QApplication::activeWindow(), title, label,
                                                QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return typed;
}
