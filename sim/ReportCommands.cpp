#include "sim/ModemState.h"
#include "sim/StatusReports.h"

namespace sim {

namespace {

using Kind = AtCommand::Kind;

constexpr int kOperationNotAllowed = 302;
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
        return CommandOutcome::ok(
            {"+CNMI: 2,1,0," + QByteArray::number(state.reportDestination) + ",0"});
    case Kind::Action:
        return CommandOutcome::error();
    case Kind::Set:
        break;
    }
    if (command.args.size() > kCnmiParameters)
        return CommandOutcome::cmsError(kOperationNotSupported);
    int ds = state.reportDestination;
    if (command.args.size() >= 4) {
        const std::optional<int> value = argumentNumber(command.args[3]);
        const int offered = state.profile.reportsStored ? 2 : 1;
        if (!value || (*value != 0 && *value != offered))
            return CommandOutcome::cmsError(kOperationNotSupported);
        ds = *value;
    }
    state.reportDestination = ds;
    return CommandOutcome::ok();
}

QByteArray storeCounts(const ModemState& state)
{
    const QByteArray used = QByteArray::number(
        state.readStore == QLatin1String("SR") ? int(state.storedReports.size()) : 0);
    const QByteArray total = QByteArray::number(kStoreSize);
    return used + "," + total + ",0," + total + ",0," + total;
}

CommandOutcome preferredStores(const AtCommand& command, ModemState& state)
{
    switch (command.kind) {
    case Kind::Test:
        return CommandOutcome::ok({state.profile.reportsStored
                                       ? "+CPMS: (\"SM\",\"SR\"),(\"SM\"),(\"SM\")"
                                       : "+CPMS: (\"SM\"),(\"SM\"),(\"SM\")"});
    case Kind::Read:
        return CommandOutcome::ok(
            {"+CPMS: \"" + state.readStore.toLatin1() + "\"," + storeCounts(state)});
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
    return CommandOutcome::ok({"+CPMS: " + storeCounts(state)});
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

bool listed(const AtCommand& command, const StatusReportEntry& report, const ModemState& state)
{
    if (command.args.empty())
        return !report.read;
    if (state.messageFormat == 0) {
        const std::optional<int> stat = argumentNumber(command.args[0]);
        return stat && (*stat == 4 || *stat == (report.read ? 1 : 0));
    }
    const QByteArray stat = command.args[0].text.toUpper();
    return stat == "ALL" || ("\"" + stat + "\"") == statusText(report);
}

CommandOutcome listMessages(const AtCommand& command, ModemState& state)
{
    if (command.kind == Kind::Test || command.kind == Kind::Read)
        return CommandOutcome::ok();
    QList<QByteArray> lines;
    if (state.readStore != QLatin1String("SR"))
        return CommandOutcome::ok();
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
    if (state.readStore != QLatin1String("SR"))
        return CommandOutcome::cmsError(kOperationNotAllowed);
    const std::optional<int> flag =
        command.args.size() > 1 ? argumentNumber(command.args[1]) : std::optional<int>(0);
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
