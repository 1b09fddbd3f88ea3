#include "sim/ModemSimulator.h"
#include "sim/SimError.h"
#include "sim/SimulatorOptions.h"

#include <QCoreApplication>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <pthread.h>

int main(int argc, char** argv)
{
    // Blocked before any other thread exists, so only sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    sim::CommandLine commandLine;
    try {
        commandLine = sim::parseCommandLine(app.arguments().mid(1));
    } catch (const sim::SimError& error) {
        err << "quillon-modem-sim: " << error.what() << "\n";
        return 2;
    }
    if (commandLine.help) {
        out << sim::usageText();
        return 0;
    }

    sim::ModemSimulator simulator(commandLine.options);
    try {
        simulator.start();
    } catch (const sim::SimError& error) {
        err << "quillon-modem-sim: " << error.what() << "\n";
        return 1;
    }
    for (const int port : simulator.ports()) {
        out << QString::fromStdString(simulator.linkPath(port).string()) << " -> "
            << QString::fromStdString(simulator.devicePath(port)) << "\n";
    }
    out.flush();

    int received = 0;
    sigwait(&stopSignals, &received);
    simulator.stop();
    return 0;
}
