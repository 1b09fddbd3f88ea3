#include "outbox/OutboxDeliveries.h"

#include <gtest/gtest.h>
#include <map>

// The delivery states an instance writes back: each change once, final states once and then
// forgotten, rows the tracker knows nothing of left out, failed writes handed out again.

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

} // namespace
