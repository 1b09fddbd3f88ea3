#include "outbox/OutboxDeliveries.h"

#include <gtest/gtest.h>
#include <map>
#include <thread>

// The delivery states an instance writes back: each change once, final states once and then
// forgotten, rows the tracker knows nothing of left out, failed writes handed out again, rows
// whose report never comes forgotten after the limit.

namespace {

using State = RowDelivery::State;
using Change = OutboxDeliveries::Change;

TEST(OutboxDeliveriesTest, EachChangeIsHandedOutOnceAndFinalRowsAreForgotten)
{
    OutboxDeliveries deliveries;
    deliveries.track(101, 0);
    deliveries.track(102, 1);
    deliveries.track(103, 2); // the tracker knows nothing of it: it asked for no report
    deliveries.track(104, 7); // a later run's row
    std::map<std::int64_t, RowDelivery> states{
        {0, {State::Pending, {}}}, {1, {State::Delivered, {}}}, {7, {State::Pending, {}}}};
    const auto stateOf = [&](std::int64_t row) -> std::optional<RowDelivery> {
        const auto found = states.find(row);
        return found == states.end() ? std::nullopt : std::optional(found->second);
    };

    EXPECT_EQ(deliveries.changes(stateOf), (std::vector<Change>{{101, 0, "Pending", false},
                                                                {102, 1, "Delivered", true},
                                                                {104, 7, "Pending", false}}));
    EXPECT_EQ(deliveries.tracked(), 2u); // 102 is final
    EXPECT_TRUE(deliveries.changes(stateOf).empty());

    states[0] = {State::NotDelivered, "validity period expired"};
    states[7] = {State::Delivered, {}};
    const std::vector<Change> changed = deliveries.changes(stateOf);
    EXPECT_EQ(changed,
              (std::vector<Change>{{101, 0, "Not delivered: validity period expired", false},
                                   {104, 7, "Delivered", true}}));
    EXPECT_EQ(deliveries.tracked(), 0u);

    // A write that failed goes again, final or not.
    deliveries.unwritten(changed[1]);
    EXPECT_EQ(deliveries.changes(stateOf), (std::vector<Change>{{104, 7, "Delivered", true}}));
    EXPECT_TRUE(deliveries.changes(stateOf).empty());
}

// The clock runs a thousand times fast: the limit of 300 s passes in 0.3 s.
TEST(OutboxDeliveriesTest, ARowWithoutItsReportIsForgottenAfterTheLimit)
{
    const Clock clock(1000);
    OutboxDeliveries deliveries(clock, 300'000);
    deliveries.track(201, 0);
    const auto pending = [](std::int64_t) -> std::optional<RowDelivery> {
        return RowDelivery{State::Pending, {}};
    };
    EXPECT_EQ(deliveries.changes(pending), (std::vector<Change>{{201, 0, "Pending", false}}));
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    deliveries.track(202, 1);
    EXPECT_EQ(deliveries.changes(pending), (std::vector<Change>{{202, 1, "Pending", false}}));
    EXPECT_EQ(deliveries.tracked(), 1u); // 201 is left "Pending"

    // A failed write of a row forgotten meanwhile goes once more, and then it is gone.
    deliveries.unwritten({201, 0, "Pending", false});
    EXPECT_EQ(deliveries.changes(pending), (std::vector<Change>{{201, 0, "Pending", false}}));
    EXPECT_EQ(deliveries.tracked(), 1u);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_TRUE(deliveries.changes(pending).empty());
    EXPECT_EQ(deliveries.tracked(), 0u);
}

} // namespace
