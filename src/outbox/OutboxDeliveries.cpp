#include "outbox/OutboxDeliveries.h"

#include <algorithm>

void OutboxDeliveries::track(std::int64_t outboxId, std::int64_t trackerRow)
{
    m_rows.push_back({outboxId, trackerRow, {}, m_clock.tickCount(), false});
}

std::vector<OutboxDeliveries::Change> OutboxDeliveries::changes(
    const std::function<std::optional<RowDelivery>(std::int64_t trackerRow)>& stateOf)
{
    std::vector<Change> changed;
    std::vector<Row> kept;
    kept.reserve(m_rows.size());
    const std::uint64_t now = m_clock.tickCount();
    for (Row& row : m_rows) {
        // A sent row's parts are in the tracker before its run ends: one it knows nothing of
        // never asked for a report.
        const std::optional<RowDelivery> state = stateOf(row.trackerRow);
        if (!state)
            continue;
        const QString text = deliveryText(*state);
        if (text != row.written) {
            changed.push_back({row.outboxId, row.trackerRow, text,
                               state->state == RowDelivery::State::Delivered});
            row.written = text;
        }
        // A final state stays as it is.
        if (state->state == RowDelivery::State::Pending && !row.lastTime &&
            now - row.trackedAt < m_limitMs)
            kept.push_back(std::move(row));
    }
    m_rows = std::move(kept);
    return changed;
}

void OutboxDeliveries::unwritten(const Change& change)
{
    const auto found = std::find_if(m_rows.begin(), m_rows.end(), [&](const Row& row) {
        return row.outboxId == change.outboxId;
    });
    if (found == m_rows.end())
        m_rows.push_back({change.outboxId, change.trackerRow, {}, m_clock.tickCount(), true});
    else
        found->written.clear();
}
