#include "sim/ModemState.h"
#include "sim/StatusReports.h"
#include "sim/TextModeCodec.h"

namespace sim {

namespace {

using Kind = AtCommand::Kind;

constexpr int kOperationNotSupported = 303;
constexpr int kInvalidIndex = 321;
constexpr int kStoreSize = 50;
constexpr int kCnmiParameters = 5;

QByteArray cnmiRanges(const ModemState& state)
{
    return QByteArray("+CNMI: (0-2),(0-3),(0,2),") +
           (state.profile.reportsStored ? "(0,2)" : "(0,1)") + ",(0,1)";
}

CommandOutcome newMessageIndications(const AtCommand& command, ModemState& state)
{
    switch (command.kind) {
    case Kind::Test:
        return CommandOutcome::ok({cnmiRanges(state)});
    case Kind::Read:
        // A modem that hands messages over directly keeps <mt> 2, whatever was asked.
        return CommandOutcome::ok(
            {"+CNMI: 2," +
             QByteArray::number(state.profile.directDelivery ? 2 : state.newMessageIndication) +
             ",0," + QByteArray::number(state.reportDestination) + ",0"});
    case Kind::Action:
        return CommandOutcome::error();
    case Kind::Set:
        break;
    }
    if (command.args.size() > kCnmiParameters)
        return CommandOutcome::cmsError(kOperationNotSupported);
    int ds = state.reportDestination;
    int mt = state.newMessageIndication;
    if (command.args.size() >= 2) {
        const std::optional<int> value = argumentNumber(command.args[1]);
        if (!value || *value < 0 || *value > 3)
            return CommandOutcome::cmsError(kOperationNotSupported);
        mt = *value;
    }
    if (command.args.size() >= 4) {
        const std::optional<int> value = argumentNumber(command.args[3]);
        const int offered = state.profile.reportsStored ? 2 : 1;
        if (!value || (*value != 0 && *value != offered))
            return CommandOutcome::cmsError(kOperationNotSupported);
        ds = *value;
    }
    state.reportDestination = ds;
    state.newMessageIndication = mt;
    return CommandOutcome::ok();
}

bool readingReports(const ModemState& state)
{
    return state.readStore == QLatin1String("SR");
}

QByteArray storeCounts(const ModemState& state, bool named)
{
    const QByteArray inbox = QByteArray::number(int(state.inbox.size())) + "," +
                             QByteArray::number(state.profile.storage);
    const QByteArray first = readingReports(state)
                                 ? QByteArray::number(int(state.storedReports.size())) + "," +
                                       QByteArray::number(kStoreSize)
                                 : inbox;
    if (!named)
        return first + "," + inbox + "," + inbox;
    return "\"" + state.readStore.toLatin1() + "\"," + first + ",\"SM\"," + inbox + ",\"SM\"," +
           inbox;
}

CommandOutcome preferredStores(const AtCommand& command, ModemState& state)
{
    switch (command.kind) {
    case Kind::Test:
        return CommandOutcome::ok({state.profile.reportsStored
                                       ? "+CPMS: (\"SM\",\"SR\"),(\"SM\"),(\"SM\")"
                                       : "+CPMS: (\"SM\"),(\"SM\"),(\"SM\")"});
    case Kind::Read:
        return CommandOutcome::ok({"+CPMS: " + storeCounts(state, true)});
    case Kind::Action:
        return CommandOutcome::error();
    case Kind::Set:
        break;
    }
    if (command.args.empty())
        return CommandOutcome::error();
    const QString store = QString::fromLatin1(command.args[0].text).toUpper();
    if (store != QLatin1String("SM") &&
        !(store == QLatin1String("SR") && state.profile.reportsStored))
        return CommandOutcome::cmsError(kOperationNotSupported);
    state.readStore = store;
    return CommandOutcome::ok({"+CPMS: " + storeCounts(state, false)});
}

QByteArray statusText(const StatusReportEntry& report)
{
    return report.read ? "\"REC READ\"" : "\"REC UNREAD\"";
}

// The lines of one stored report after its "+CMGL: <index>," or "+CMGR: ".
QList<QByteArray> storedReportLines(const QByteArray& head, const StatusReportEntry& report,
                                    const ModemState& state)
{
    if (state.messageFormat == 0)
        return {head + QByteArray::number(report.read ? 1 : 0) + ",," +
                    QByteArray::number(statusReportTpduLength(report)),
                statusReportPdu(report)};
    return {head + statusText(report) + "," + statusReportTextFields(report)};
}

template <typename Entry>
bool listed(const AtCommand& command, const Entry& entry, const ModemState& state)
{
    if (command.args.empty())
        return !entry.read;
    if (state.messageFormat == 0) {
        const std::optional<int> stat = argumentNumber(command.args[0]);
        return stat && (*stat == 4 || *stat == (entry.read ? 1 : 0));
    }
    const QByteArray stat = command.args[0].text.toUpper();
    return stat == "ALL" || stat == (entry.read ? "REC READ" : "REC UNREAD");
}

// The lines of one received message after its "+CMGL: <index>," or "+CMGR: ".
QList<QByteArray> inboxLines(const QByteArray& head, const InboxEntry& entry,
                             const ModemState& state)
{
    if (state.messageFormat == 0)
        return {head + QByteArray::number(entry.read ? 1 : 0) + ",," +
                    QByteArray::number(entry.tpduLength),
                entry.pdu};
    return textModeInboxLines(head, entry, state.charset);
}

CommandOutcome listMessages(const AtCommand& command, ModemState& state)
{
    if (command.kind == Kind::Test || command.kind == Kind::Read)
        return CommandOutcome::ok();
    QList<QByteArray> lines;
    if (!readingReports(state)) {
        for (auto& [index, entry] : state.inbox) {
            if (!listed(command, entry, state))
                continue;
            lines += inboxLines("+CMGL: " + QByteArray::number(index) + ",", entry, state);
            entry.read = true;
        }
        return CommandOutcome::ok(lines);
    }
    for (auto& [index, report] : state.storedReports) {
        if (!listed(command, report, state))
            continue;
        lines += storedReportLines("+CMGL: " + QByteArray::number(index) + ",", report, state);
        report.read = true;
    }
    return CommandOutcome::ok(lines);
}

CommandOutcome readMessage(const AtCommand& command, ModemState& state)
{
    if (command.kind == Kind::Test)
        return CommandOutcome::ok();
    const std::optional<int> index =
        command.args.size() == 1 ? argumentNumber(command.args[0]) : std::nullopt;
    if (command.kind != Kind::Set || !index)
        return CommandOutcome::error();
    if (!readingReports(state)) {
        const auto entry = state.inbox.find(*index);
        if (entry == state.inbox.end())
            return CommandOutcome::cmsError(kInvalidIndex);
        QList<QByteArray> lines = inboxLines("+CMGR: ", entry->second, state);
        entry->second.read = true;
        return CommandOutcome::ok(lines);
    }
    const auto found = state.storedReports.find(*index);
    if (state.readStore != QLatin1String("SR") || found == state.storedReports.end())
        return CommandOutcome::cmsError(kInvalidIndex);
    QList<QByteArray> lines = storedReportLines("+CMGR: ", found->second, state);
    found->second.read = true;
    return CommandOutcome::ok(lines);
}

CommandOutcome deleteMessage(const AtCommand& command, ModemState& state)
{
    if (command.kind == Kind::Test)
        return CommandOutcome::ok();
    const std::optional<int> index =
        command.args.empty() ? std::nullopt : argumentNumber(command.args[0]);
    if (command.kind != Kind::Set || !index)
        return CommandOutcome::error();
    const std::optional<int> flag =
        command.args.size() > 1 ? argumentNumber(command.args[1]) : std::optional<int>(0);
    if (!readingReports(state)) {
        if (flag == 4)
            state.inbox.clear();
        else
            state.inbox.erase(*index);
        state.deliverHeld();
        return CommandOutcome::ok();
    }
    if (flag == 4)
        state.storedReports.clear();
    else
        state.storedReports.erase(*index);
    return CommandOutcome::ok();
}

} // namespace

const std::map<QByteArray, CommandHandler>& reportCommands()
{
    static const std::map<QByteArray, CommandHandler> table = {
        {"+CNMI", newMessageIndications}, {"+CPMS", preferredStores}, {"+CMGL", listMessages},
        {"+CMGR", readMessage},           {"+CMGD", deleteMessage},
    };
    return table;
}

} // namespace sim
