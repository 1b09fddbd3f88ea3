#include "support/SoakRun.h"

#include <gtest/gtest.h>

namespace {

// One small run of the fault soak (tests/soak), so the default suite checks the same
// invariants: four modems (one normal, a modem with CMS errors, one with unsolicited lines and
// one that vanishes), 500 rows with repeats and exclusions, retries and pauses on.
TEST(FaultRunInvariantsTest, FourFaultyModemsFiveHundredRowsKeepEveryInvariant)
{
    SoakScenario scenario;
    scenario.modems = 4;
    scenario.rows = 500;
    scenario.seed = 7;
    scenario.pauseEvery = 120;
    scenario.settleSeconds = 60;
    const SoakResult result = RunSoak(scenario);
    std::cout << SoakSummary(scenario, result) << '\n';
    for (const std::string& violation : result.violations)
        ADD_FAILURE() << violation;
}

} // namespace
