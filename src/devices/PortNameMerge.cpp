#include "devices/PortNameMerge.h"

#include <algorithm>

namespace {

constexpr QLatin1StringView PortTagStart("(COM");
constexpr qsizetype BareTagMaxLength = 8;

} // namespace

QStringList mergePortNames(const std::vector<int>& openedPorts,
                           std::vector<ListedSerialPort> listed)
{
    for (ListedSerialPort& entry : listed) {
        if (!entry.name.contains(PortTagStart))
            entry.name = QStringLiteral("%1 on (COM%2)").arg(entry.name).arg(entry.port);
    }
    QStringList names;
    for (const int port : openedPorts)
        names.append(QStringLiteral("(COM%1)").arg(port));
    for (QString& name : names) {
        if (listed.empty())
            break;
        const auto match = std::find_if(listed.begin(), listed.end(), [&](const auto& entry) {
            return entry.name.contains(name);
        });
        if (match == listed.end())
            continue;
        name = match->name;
        listed.erase(match);
    }
    return names;
}

bool isBarePortName(const QString& name)
{
    if (name.size() <= BareTagMaxLength && name.startsWith(PortTagStart))
        return true;
    return name.trimmed().isEmpty();
}
