#pragma once

#include "support/PseudoTerminal.h"

#include <QByteArray>
#include <functional>
#include <thread>

// A modem that answers by a script, on the far end of a pseudo-terminal: for behaviour the
// simulator does not show. The script gets every command line (up to its CR) and every message
// body (up to its Ctrl-Z) and returns the bytes to answer with.
class ScriptedModem
{
public:
    using Script = std::function<QByteArray(const QByteArray& input)>;

    explicit ScriptedModem(Script script);
    ~ScriptedModem();
    ScriptedModem(const ScriptedModem&) = delete;
    ScriptedModem& operator=(const ScriptedModem&) = delete;

    const QString& slavePath() const { return m_pty.slavePath(); }

    // Sends bytes unasked, as a reply that comes too late.
    void push(const QByteArray& bytes) { m_pty.send(bytes); }

private:
    void serve();

    PseudoTerminal m_pty;
    Script m_script;
    UniqueFd m_stop;
    std::thread m_thread;
};
