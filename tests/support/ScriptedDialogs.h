#pragma once

// Dialogs answered from a queue, recording everything they were asked. A question with no answer
// queued gets the safe one: OK for a lone OK button, otherwise No or Cancel; file, folder, colour
// and printer dialogs without an answer are cancelled.

#include "platform/Dialogs.h"

#include <QPageLayout>
#include <QQueue>
#include <QStringList>
#include <QVector>

#include <functional>

struct AskedMessage
{
    QString text;
    QString title;
    MessageButtons buttons;
    MessageIcon icon;
};

struct AskedFile
{
    QString filter;
    int filterIndex;
    QString title;
    QString initialFolder;
};

class ScriptedDialogs : public Dialogs
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
    // Draws the preview into the PDF file queued in `previewAnswers`, as the preview shows it.
    void previewPrint(const QString &documentName,
                      const std::function<void(QPrinter &printer, bool previewing)> &draw) override;
    void printedToFile(const QString &path) override { printedFiles.append(path); }

    // Answers, taken in order.
    QQueue<MessageAnswer> messageAnswers;
    QQueue<std::optional<QString>> fileAnswers;
    QQueue<std::optional<QString>> folderAnswers;
    QQueue<std::optional<QString>> saveAnswers;
    QQueue<std::optional<qint32>> colorAnswers;
    QQueue<std::optional<QString>> textAnswers;
    // A PDF file path to print to, or nothing to cancel. The printer's page is `printerLayout`:
    // Letter without margins unless a test chooses another, so page and printable area share their
    // top-left corner.
    QQueue<std::optional<QString>> printerAnswers;
    QPageLayout printerLayout{QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()};
    QQueue<QString> previewAnswers;

    // What was asked.
    QVector<AskedMessage> messages;
    // Called as each message is asked, before it is answered: a test looks at the program then.
    std::function<void(const AskedMessage &)> whenAsked;
    QStringList proposedTexts; // the text each askText started from
    QVector<AskedFile> files;
    QVector<AskedFile> folders; // title and initial folder
    QVector<AskedFile> saves;   // filter, title and proposed path
    int colorDialogs = 0;
    int printerDialogs = 0;
    QStringList printedNames; // the document name each printer dialog was asked with, in order
    QStringList previews;     // their document names
    QStringList printedFiles; // the files the user was told prints went to
};
