#pragma once

#include "exports/ExportFormat.h"
#include "exports/ExportResult.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

// What the exports need from the desktop, each behind an interface so that windows provide
// the real thing and tests a scripted one.

// The save dialog: a file name and which of the offered filters was chosen.
class SaveDialog
{
public:
    struct Choice
    {
        QString path;
        int filterIndex = 0; // position in the formats offered
    };

    virtual ~SaveDialog() = default;
    // Offers one filter per format, the first chosen at the start; nothing when cancelled.
    virtual std::optional<Choice> askSavePath(const QList<ExportFormat>& formats) = 0;
};

// Runs a writer on the export thread while the wait pop-up and the wait cursor show, and
// returns once it is done, with both removed.
class ExportWorker
{
public:
    virtual ~ExportWorker() = default;
    virtual ExportResult run(const std::function<ExportResult()>& write) = 0;
};

// The window shown after a successful export: the success text, the box "Open exported file."
// and OK and Cancel. True when OK was pressed with the box ticked.
class ExportResultPrompt
{
public:
    virtual ~ExportResultPrompt() = default;
    virtual bool askToOpen(const QString& successText) = 0;
};

// Opens an exported file for the user.
class FileOpener
{
public:
    virtual ~FileOpener() = default;
    // With the desktop's default application for the file's type.
    virtual bool openWithDefault(const QString& path) = 0;
    // Through the desktop's chooser of applications.
    virtual bool openWithChooser(const QString& path) = 0;
    // Whether the desktop names an application for the file's type: openWithDefault cannot
    // always tell, as the desktop's opener may start and fail on its own later.
    virtual bool hasDefaultFor(const QString& path) { return true; }
};
