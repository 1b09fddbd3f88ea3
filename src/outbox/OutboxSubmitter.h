#pragma once

#include "outbox/OutboxRow.h"
#include "sending/MessageSubmitter.h"

#include <QHash>
#include <QSet>
#include <mutex>
#include <vector>

class OutboxLink;

// Hands each message to the modem's submitter only once its outbox row is marked as being
// submitted, under this instance's lease: a row whose instance dies from then on is never
// sent again by itself, and a row whose lease was lost is not sent at all. The rows of one run
// are told apart by number and text, which the run's grouping keeps unique.
class OutboxSubmitter : public MessageSubmitter
{
public:
    OutboxSubmitter(MessageSubmitter& inner, OutboxLink& link, QString instance);

    // The rows of the run about to start.
    void setRows(const std::vector<OutboxRow>& rows);
    bool submissionBegan(std::int64_t id) const;
    // The modem's references of the row's parts, comma-separated.
    QString references(std::int64_t id) const;

    SubmitOutcome submit(ModemChannel& channel, int port, int messageMode,
                         const SendRequest& request,
                         const std::function<bool()>& stopRequested) override;

private:
    static QString keyOf(const QString& number, const QString& text);
    void recordSent(std::int64_t id, int port, const QString& references);

    MessageSubmitter& m_inner;
    OutboxLink& m_link;
    const QString m_instance;
    mutable std::mutex m_mutex;
    QHash<QString, std::int64_t> m_ids;
    QSet<std::int64_t> m_began;
    QHash<std::int64_t, QString> m_references;
};
