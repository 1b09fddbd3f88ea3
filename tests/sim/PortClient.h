#pragma once

#include "sim/ModemSimulator.h"
#include "support/QtPrinters.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/ioctl.h>

// The program's side of a simulated port, with plain POSIX calls.
class PortClient
{
public:
    explicit PortClient(const std::filesystem::path& link);
    ~PortClient();
    PortClient(const PortClient&) = delete;
    PortClient& operator=(const PortClient&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int openError() const { return m_openError; }
    void close();

    void write(const QByteArray& bytes);

    // Collects input until it contains token. Gives up after a generous safety limit that a
    // working modem never comes near, so a missing answer fails the test instead of hanging it.
    QByteArray readUntil(const QByteArray& token);

    // Collects input up to a final result code (OK, ERROR, +CMS ERROR, +CME ERROR) or, when
    // asked, the message prompt.
    QByteArray readFinal(bool orPrompt = false);

    // Writes a command and collects up to the token.
    QByteArray exchange(const QByteArray& command, const QByteArray& token = "OK\r\n");

    // Whatever arrives within quietMs; for checking that nothing comes.
    QByteArray readFor(int quietMs);

    int ioctl(unsigned long request, void* argument) { return ::ioctl(m_fd, request, argument); }

    // True when the port hung up (read fails or reports end of file).
    bool hungUp();

private:
    template <typename Done> QByteArray readWhileNot(Done done);

    int m_fd = -1;
    int m_openError = 0;
};

// A simulator on fresh ports in a temporary folder, logging the air to a file there.
class SimulatorTest : public ::testing::Test
{
protected:
    // Starts modems COM1..COM<modems>, with the given profile items per port.
    void startSimulator(int modems = 1, std::vector<std::pair<int, QString>> profiles = {});

    std::filesystem::path link(int port) const;
    std::unique_ptr<PortClient> open(int port) const;
    QString logPath() const;
    QList<QByteArray> logLines() const;

    QTemporaryDir m_dir;
    std::unique_ptr<sim::ModemSimulator> m_simulator;
};
