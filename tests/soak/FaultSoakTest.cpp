#include "support/SoakRun.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

// The fault soak: many simulated modems with a mix of fault profiles, a long list with repeats
// and exclusions, retries and pauses on, a stop at a random moment in some runs. One test per
// run, each with its own seed; the environment scales it:
//   QUILLON_SOAK_RUNS (8), QUILLON_SOAK_SEED (1, first seed), QUILLON_SOAK_ROWS (20000),
//   QUILLON_SOAK_MODEMS (32), QUILLON_SOAK_FACTOR (200, clock speed-up),
//   QUILLON_SOAK_PAUSE_EVERY (400, rows between pauses of ten designed seconds).
int fromEnvironment(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

class FaultSoakTest : public ::testing::TestWithParam<int>
{};

TEST_P(FaultSoakTest, EveryInvariantHoldsAfterTheRun)
{
    SoakScenario scenario;
    scenario.modems = std::min(32, fromEnvironment("QUILLON_SOAK_MODEMS", 32));
    scenario.rows = fromEnvironment("QUILLON_SOAK_ROWS", 20000);
    scenario.clockFactor = unsigned(fromEnvironment("QUILLON_SOAK_FACTOR", 200));
    scenario.seed = std::uint64_t(fromEnvironment("QUILLON_SOAK_SEED", 1) + GetParam());
    scenario.retryLimit = 1 + int(scenario.seed % 3);
    scenario.pauseEvery = fromEnvironment("QUILLON_SOAK_PAUSE_EVERY", 400);
    scenario.settleSeconds = 110;
    const SoakResult result = RunSoak(scenario);
    std::cout << SoakSummary(scenario, result) << '\n';
    for (const std::string& violation : result.violations)
        ADD_FAILURE() << violation;
}

INSTANTIATE_TEST_SUITE_P(Runs, FaultSoakTest,
                         ::testing::Range(0, fromEnvironment("QUILLON_SOAK_RUNS", 8)));

} // namespace
