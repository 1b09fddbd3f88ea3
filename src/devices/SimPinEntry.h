#pragma once

#include "modem/SimState.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <optional>

class ModemChannel;
class Prompter;

// What the worker reads before a PIN goes to the SIM.
struct PinStatus
{
    SimCheck sim;
    std::optional<int> triesLeft; // when the modem tells (AT+CPINR)
};

// Entering the SIM PIN from the device settings: the view copies the typed PIN in, the channel
// steps run on a worker (readPinStatus, then EnterPin), the questions and messages on the UI
// thread. A PIN is sent once per press and never kept: three wrong tries block the SIM, so
// nothing here ever tries again by itself, and the last try is used only after a warning.
class SimPinEntry
{
    Q_DECLARE_TR_FUNCTIONS(SimPinEntry)

public:
    static constexpr int SimTries = 3;

    explicit SimPinEntry(Prompter& prompter) : m_prompter(prompter) {}

    // Worker: the SIM state and the tries left.
    static PinStatus readPinStatus(ModemChannel& channel);

    // UI thread, after readPinStatus: checks the PIN and the SIM, warns before the last try.
    // True when the PIN is to be sent.
    bool confirmEntry(int port, const QString& pin, const PinStatus& status);

    // UI thread, after EnterPin: tells the user how it went and counts a wrong try.
    void showResult(int port, PinEntry entry, const PinStatus& after);

    // The tries left as the modem said them, else as counted here (SimTries less the wrong tries
    // seen since the program started).
    int triesLeft(int port, const PinStatus& status) const;

private:
    Prompter& m_prompter;
    QHash<int, int> m_wrongTries; // per port, for modems that do not tell
};
