#pragma once

#include "exports/ExportServices.h"
#include "exports/Exporter.h"
#include "support/ScriptedPrompter.h"

#include <QStringList>
#include <thread>

// Stand-ins for the desktop around an export, scripted by the test and recording what they saw.

class ScriptedSaveDialog : public SaveDialog
{
public:
    void choose(const QString& path, int filterIndex = 0) { m_answer = Choice{path, filterIndex}; }
    void cancel() { m_answer.reset(); }

    std::optional<Choice> askSavePath(const QList<ExportFormat>& formats) override
    {
        offered.append(formats);
        return m_answer;
    }

    QList<QList<ExportFormat>> offered; // the formats of every dialog shown

private:
    std::optional<Choice> m_answer;
};

// Runs the writer on a thread of its own, as the windows do, and counts the runs.
class ThreadExportWorker : public ExportWorker
{
public:
    ExportResult run(const std::function<ExportResult()>& write) override
    {
        ++runs;
        ExportResult result;
        std::thread([&result, &write] { result = write(); }).join();
        return result;
    }

    int runs = 0;
};

class ScriptedResultPrompt : public ExportResultPrompt
{
public:
    bool askToOpen(const QString& successText) override
    {
        shown.append(successText);
        return open;
    }

    bool open = false; // whether the user ticks "Open exported file." and presses OK
    QStringList shown;
};

class RecordingOpener : public FileOpener
{
public:
    bool openWithDefault(const QString& path) override
    {
        calls.append("default " + path);
        return defaultWorks;
    }
    bool openWithChooser(const QString& path) override
    {
        calls.append("chooser " + path);
        return chooserWorks;
    }

    bool defaultWorks = true;
    bool chooserWorks = true;
    QStringList calls;
};

// All of them around one Exporter.
struct FakeExportDesk
{
    ScriptedPrompter prompter;
    ScriptedSaveDialog dialog;
    ThreadExportWorker worker;
    ScriptedResultPrompt result;
    RecordingOpener opener;
    Exporter exporter{{dialog, prompter, worker, result, opener}};
};
