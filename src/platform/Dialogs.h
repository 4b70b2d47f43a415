#pragma once

// Every message box and standard dialog goes through this seam: the program shows Qt's dialogs,
// tests answer from a script.

#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

enum class MessageButtons
{
    OK,
    OKCancel,
    YesNo,
    YesNoCancel,
    YesNoDefaultNo, // Yes and No, No pressed by Enter
    SaveDiscardCancel
};
enum class MessageIcon
{
    None,
    Critical,
    Question,
    Exclamation,
    Information
};
enum class MessageAnswer
{
    OK,
    Cancel,
    Yes,
    No,
    Save,
    Discard
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Shows a message and returns the button pressed.
    virtual MessageAnswer message(const QString &text, const QString &title, MessageButtons buttons,
                                  MessageIcon icon) = 0;

    // `filter` is "description|pattern|description|pattern…" and `filterIndex` counts from 1.
    // Returns the chosen file's full path, or nothing when cancelled.
    virtual std::optional<QString> openFile(const QString &filter, int filterIndex,
                                            const QString &title, const QString &initialFolder) = 0;

    // Where a new file goes: `proposedPath` to start from (folder and name), the user asked before
    // an existing file is replaced; nothing when cancelled. `filter` as for openFile.
    virtual std::optional<QString> saveFile(const QString &filter, const QString &title,
                                            const QString &proposedPath) = 0;

    // A folder chosen by the user, or nothing when cancelled.
    virtual std::optional<QString> chooseFolder(const QString &title,
                                                const QString &initialFolder) = 0;

    // The colour dialog with its custom colours shown; returns the chosen colour as an RGB Long, or
    // nothing when cancelled.
    virtual std::optional<qint32> chooseColor() = 0;

    // A line of text the user typed, starting from `text`, or nothing when cancelled.
    virtual std::optional<QString> askText(const QString &title, const QString &label,
                                           const QString &text) = 0;

    // Returns the printer chosen, set up as the user left it, or nothing when cancelled.
    // `documentName` says what is printed and for whom ("Tigers - Team Batting Stats"): the print
    // job's name, and the PDF file suggested in the user's documents folder.
    virtual std::unique_ptr<QPrinter> choosePrinter(const QString &documentName) = 0;

    // A print preview of the document named as for choosePrinter: `draw` paints the pages on a
    // printer, once to show them (`previewing` true) and again for each print started from it.
    virtual void
    previewPrint(const QString &documentName,
                 const std::function<void(QPrinter &printer, bool previewing)> &draw) = 0;

    // After a print went to a file: tells the user its name and folder.
    virtual void printedToFile(const QString &path) = 0;
};
