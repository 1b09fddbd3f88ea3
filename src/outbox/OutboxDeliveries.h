#pragma once

#include "base/Clock.h"
#include "sending/DeliveryMatcher.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The rows an instance sent asking for status reports, each with its row in the instance's
// delivery tracker, until their state is final. The tracker outlives the batches, so a report
// that comes while later batches go still reaches its row. A row whose report does not come
// within `limitMs` (designed time) is forgotten, its state left as last written ("Pending"):
// a report that late no longer tells the sender anything, and the rows would pile up.
class OutboxDeliveries
{
public:
    // The tracker's window: a report later than that matches its part no more. It is also
    // longer than any validity period a submission asks for, with the network's delays.
    static constexpr std::uint32_t TrackedForMs =
        std::uint32_t(DeliveryMatcher::DefaultWindowDays) * 24 * 60 * 60 * 1000;

    explicit OutboxDeliveries(const Clock& clock = Clock::system(),
                              std::uint32_t limitMs = TrackedForMs)
        : m_clock(clock), m_limitMs(limitMs)
    {}

    // A sent row, and its place among the tracker's rows.
    void track(std::int64_t outboxId, std::int64_t trackerRow);

    struct Change
    {
        std::int64_t outboxId = 0;
        std::int64_t trackerRow = 0;
        QString delivery; // as "quillon-cli send" prints it: "Pending", "Delivered", ...
        bool delivered = false;
        bool operator==(const Change&) const = default;
    };
    // The rows whose state differs from the one last handed out, by `stateOf` (the tracker's
    // rowDelivery); a row whose state is final is forgotten after it, and so is a row the
    // tracker knows nothing of (it asked for no report) or one tracked for the limit.
    std::vector<Change>
    changes(const std::function<std::optional<RowDelivery>(std::int64_t trackerRow)>& stateOf);
    // A change that could not be written: handed out again next time, final or not.
    void unwritten(const Change& change);

    std::size_t tracked() const { return m_rows.size(); }

private:
    struct Row
    {
        std::int64_t outboxId;
        std::int64_t trackerRow;
        QString written;
        std::uint64_t trackedAt; // the clock's tick
        bool lastTime;           // handed out once more after it was forgotten
    };
    const Clock& m_clock;
    const std::uint32_t m_limitMs;
    std::vector<Row> m_rows;
};
