#pragma once

#include "devices/DeviceState.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class ModemChannelTable;
class PortProbe;
class Prompter;
class RecipientList;
class RunState;
struct RunOptions;

// The composer-change question: the composer text differs from the one last applied.
class ComposerChangeQuestion
{
public:
    enum class Answer
    {
        ApplyToAll,   // "Yes" with "Apply message to all list items " (preset)
        ApplyToBlank, // "Yes" with "Apply message only in blank list items"
        ContinueAnyway,
        Cancel
    };
    virtual ~ComposerChangeQuestion() = default;
    virtual Answer ask() = 0;
};

// What the main window holds when Send is pressed.
struct SendInputs
{
    QString numberBox;
    QString composer;
    QString pauseEvery; // "Pause every" list text
    QString pauseFor;   // "for" list text
    bool delayedDelivery = false;
    bool retriesOn = false;
    QString retryCount;             // "1" to "10"
    bool unicode = false;           // "Enable non-English (Unicode) characters support"
    bool nationalLanguages = false; // "Use national language tables where they save parts"
};

// The devices the preparation thread probes.
struct DeviceCheckPlan
{
    bool quotaPath = false;
    QString notedChoice; // the device choice list's selected entry
    QList<DeviceChoice> devices;
    int deviceCount = 0; // quota path: DeviceCount, the number every device failed against
};

// The devices a send would probe: on the plain path those of the device choice list (the
// chosen one, or all of them for "All Device"); on the quota path those of the quota records in
// use with a quota.
DeviceCheckPlan PlanDeviceCheck(const DeviceState& devices, bool quotaPath);

struct DeviceCheckOutcome
{
    DeviceCheckPlan plan;
    QStringList answered; // labels of the devices that could be opened, in order
    QString failureText;  // label + "\n" per device that could not
    int failures = 0;
};

// Pressing Send: the quota gate, the checks with their messages and focus targets, the
// composer question, the reloads and the device check, up to the moment the sending window
// opens. send() and completeDeviceCheck() run on the UI thread; checkDevices() is the
// preparation thread's work and asks nothing.
class SendPreparation
{
    Q_DECLARE_TR_FUNCTIONS(SendPreparation)

public:
    enum class Focus
    {
        None,
        NumberBox,
        Composer,
        PauseEvery,
        PauseFor
    };

    struct Dependencies
    {
        RunState& state;
        RunOptions& options;
        DeviceState& devices;
        RecipientList& recipients;
        ModemChannelTable& channels;
        Prompter& prompter;
        ComposerChangeQuestion& composerQuestion;
        std::function<void()> reloadExclusions; // when "Use Exclusion Rules" is on
        // When "Save sent message to Templates" is on; the file error text when it failed.
        std::function<std::optional<QString>()> reloadTemplates;
        std::function<void(const QString&)> trace;
        // Ticks "Enable non-English (Unicode) characters support" when the user chooses to send
        // rows the GSM alphabet cannot carry as Unicode.
        std::function<void()> tickUnicode;
        // The campaign preview, after the checks and before the composer question; false ends
        // the send there. Empty: no preview.
        std::function<bool()> previewStep;
    };

    explicit SendPreparation(Dependencies dependencies);

    // The Send button up to the device check; the plan when the preparation thread is to run.
    std::optional<DeviceCheckPlan> send(const SendInputs& inputs);
    // Where the focus goes after a refused check.
    Focus focus() const { return m_focus; }

    // The probes of the preparation thread.
    static DeviceCheckOutcome checkDevices(const DeviceCheckPlan& plan, PortProbe& probe,
                                           const std::function<void(const QString&)>& trace);
    // Back on the UI thread: the failure questions and the device list. True when the sending
    // window is to open.
    bool completeDeviceCheck(const DeviceCheckOutcome& outcome);

    bool preparing() const { return m_preparing; }
    const QString& lastAppliedComposerText() const { return m_lastComposer; }

    static QString NoDeviceText();

private:
    enum class Gate
    {
        Stop,
        Plain,
        Quota
    };
    Gate quotaGate();
    bool devicesSelected(bool quotaPath);
    bool checksPass(const SendInputs& inputs);
    bool composerQuestion(const QString& composer);
    bool nonGsmQuestion(const SendInputs& inputs);
    void reloadLists();
    void closeSlots(bool quotaPath);
    bool refuse(const QString& text, Focus focus);
    bool answerFailures(const DeviceCheckOutcome& outcome);

    Dependencies m_deps;
    Focus m_focus = Focus::None;
    QString m_lastComposer;
    bool m_preparing = false;
};
