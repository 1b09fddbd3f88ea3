#include "outbox/OutboxSubmitter.h"

#include "base/StatusTexts.h"
#include "outbox/OutboxError.h"
#include "outbox/OutboxLink.h"

#include <QStringList>

OutboxSubmitter::OutboxSubmitter(MessageSubmitter& inner, OutboxLink& link, QString instance)
    : m_inner(inner), m_link(link), m_instance(std::move(instance))
{}

QString OutboxSubmitter::keyOf(const QString& number, const QString& text)
{
    return number + QChar(0x1f) + text;
}

void OutboxSubmitter::setRows(const std::vector<OutboxRow>& rows)
{
    std::lock_guard lock(m_mutex);
    m_ids.clear();
    m_began.clear();
    m_references.clear();
    for (const OutboxRow& row : rows)
        m_ids.insert(keyOf(row.message.number, row.message.text), row.id);
}

bool OutboxSubmitter::submissionBegan(std::int64_t id) const
{
    std::lock_guard lock(m_mutex);
    return m_began.contains(id);
}

QString OutboxSubmitter::references(std::int64_t id) const
{
    std::lock_guard lock(m_mutex);
    return m_references.value(id);
}

// A message the modem took is final whatever the rest of the run does: written at once, so an
// instance that dies now leaves it sent, not unknown.
void OutboxSubmitter::recordSent(std::int64_t id, int port, const QString& references)
{
    const OutboxOutcome outcome{OutboxState::Sent, StatusTexts::sentStatus(),
                                QStringLiteral("COM%1").arg(port), references};
    try {
        m_link.call(
            [&](OutboxDatabase& database) { return database.finish(id, m_instance, outcome); });
    } catch (const OutboxError&) {
        // Written again when the run ends.
    }
}

SubmitOutcome OutboxSubmitter::submit(ModemChannel& channel, int port, int messageMode,
                                      const SendRequest& request,
                                      const std::function<bool()>& stopRequested)
{
    std::int64_t id = 0;
    {
        std::lock_guard lock(m_mutex);
        const auto found = m_ids.constFind(keyOf(request.number, request.text));
        if (found == m_ids.constEnd())
            return SubmitOutcome::Stopped;
        id = *found;
    }
    bool held = false;
    try {
        held = m_link.call(
            [&](OutboxDatabase& database) { return database.markSubmitting(id, m_instance); });
    } catch (const OutboxError&) {
        held = false; // not marked: not sent; the row goes back when its lease ends
    }
    if (!held)
        return SubmitOutcome::Stopped;
    {
        std::lock_guard lock(m_mutex);
        m_began.insert(id);
    }
    std::vector<int> references;
    SendRequest marked = request;
    marked.messageReferences = &references;
    const SubmitOutcome outcome = m_inner.submit(channel, port, messageMode, marked, stopRequested);
    if (request.messageReferences)
        *request.messageReferences = references;
    QStringList texts;
    for (int reference : references)
        texts.append(QString::number(reference));
    const QString joined = texts.join(u',');
    {
        std::lock_guard lock(m_mutex);
        m_references.insert(id, joined);
    }
    if (outcome == SubmitOutcome::Sent)
        recordSent(id, port, joined);
    return outcome;
}
