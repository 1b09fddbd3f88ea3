#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

// A sending run under faults: simulated modems with a mix of fault profiles, a recipient list
// with duplicates and excluded numbers, retries, pauses and perhaps a stop at a random moment.
// Afterwards every invariant of a finished run is checked against the queue, the air, the
// sent-item file, the templates file and the threads.
struct SoakScenario
{
    int modems = 4;
    int rows = 500;
    std::uint64_t seed = 1;
    unsigned clockFactor = 200; // designed waits run this many times faster
    int retryLimit = 2;
    int pauseEvery = 100; // rows between pauses; 0 for none
    bool mayStop = true;  // whether the seed may press Stop at a random moment
    int settleSeconds = 100;
};

struct SoakFigures
{
    int rows = 0;
    int attempts = 0;       // submissions the workers made
    int failedAttempts = 0; // of them, the ones that failed (the injected faults showing)
    int airMessages = 0;    // SMS parts that went on the air
    int faultyModems = 0;   // modems with a fault profile
    int sent = 0, failed = 0, excluded = 0, skipped = 0, stopped = 0; // final statuses
    int logged = 0;          // sent-item records the run wrote
    int rounds = 0;          // retry rounds run
    int resendQuestions = 0; // retry rounds that asked about unconfirmed rows
    QString stop;            // how the run was stopped, empty when it was not
    QStringList profiles;    // per modem, in port order
};

struct SoakResult
{
    SoakFigures figures;
    std::vector<std::string> violations; // the first few, empty when every invariant held
    std::size_t violationCount = 0;
};

SoakResult RunSoak(const SoakScenario& scenario);

// One line of figures for the test output.
std::string SoakSummary(const SoakScenario& scenario, const SoakResult& result);
