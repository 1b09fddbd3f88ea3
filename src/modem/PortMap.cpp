#include "modem/PortMap.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

struct DeviceFamily
{
    QStringView prefix;
    int firstPort;
    int count;
};

constexpr DeviceFamily DefaultFamilies[] = {
    {u"ttyS", 1, 100},
    {u"ttyUSB", 101, 200},
    {u"ttyACM", 301, 200},
};

constexpr QStringView DevFolder = u"/dev/";
constexpr QStringView PortPrefix = u"COM";

// A plain decimal number as the kernel and the port texts write it: digits only, no leading
// zero, so "ttyS01" or "COM007" never alias another name.
std::optional<int> parseNumber(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 6 || (digits.size() > 1 && digits.front() == u'0'))
        return std::nullopt;
    int value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

std::optional<int> parsePortEntry(QStringView name)
{
    if (!name.startsWith(PortPrefix))
        return std::nullopt;
    const auto port = parseNumber(name.mid(PortPrefix.size()));
    if (!port || *port < 1 || *port > PortMap::MaxPort)
        return std::nullopt;
    return port;
}

QString resolved(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

QStringList listEntries(const QString& folder, const QStringList& patterns = {})
{
    // Device nodes and symlinks count as "system" entries for QDir.
    return QDir(folder).entryList(patterns, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

PortMap::PortMap(std::optional<QString> folder) : m_folder(std::move(folder)) {}

PortMap PortMap::fromEnvironment()
{
    const QString folder = qEnvironmentVariable("QUILLON_PORTS");
    return PortMap(folder.isEmpty() ? std::nullopt : std::optional<QString>(folder));
}

std::optional<QString> PortMap::devicePath(int port) const
{
    if (port < 1 || port > MaxPort)
        return std::nullopt;
    if (m_folder)
        return QDir(*m_folder).filePath(PortPrefix.toString() + QString::number(port));
    return defaultDeviceName(port);
}

std::optional<int> PortMap::portNumber(const QString& path) const
{
    if (m_folder)
        return folderPortNumber(path);
    if (const auto port = defaultPortNumber(path))
        return port;
    return defaultPortNumber(resolved(path));
}

std::optional<int> PortMap::folderPortNumber(const QString& path) const
{
    const QString target = resolved(path);
    const QDir folder(*m_folder);
    for (const QString& name : listEntries(*m_folder)) {
        const auto port = parsePortEntry(name);
        if (port && resolved(folder.filePath(name)) == target)
            return port;
    }
    return std::nullopt;
}

bool PortMap::exists(int port) const
{
    const auto path = devicePath(port);
    return path && QFileInfo::exists(*path);
}

std::vector<int> PortMap::existingPorts() const
{
    std::vector<int> ports;
    if (m_folder) {
        for (const QString& name : listEntries(*m_folder)) {
            const auto port = parsePortEntry(name);
            if (port && exists(*port))
                ports.push_back(*port);
        }
    } else {
        const QString dev = DevFolder.toString();
        for (const QString& name : listEntries(dev, {"ttyS*", "ttyUSB*", "ttyACM*"})) {
            if (const auto port = defaultPortNumber(name))
                ports.push_back(*port);
        }
    }
    std::sort(ports.begin(), ports.end());
    return ports;
}

std::optional<QString> PortMap::defaultDeviceName(int port)
{
    for (const DeviceFamily& family : DefaultFamilies) {
        const int index = port - family.firstPort;
        if (index >= 0 && index < family.count)
            return DevFolder.toString() + family.prefix.toString() + QString::number(index);
    }
    return std::nullopt;
}

std::optional<int> PortMap::defaultPortNumber(QStringView deviceName)
{
    const QStringView name =
        deviceName.startsWith(DevFolder) ? deviceName.mid(DevFolder.size()) : deviceName;
    for (const DeviceFamily& family : DefaultFamilies) {
        if (!name.startsWith(family.prefix))
            continue;
        const auto index = parseNumber(name.mid(family.prefix.size()));
        if (index && *index < family.count)
            return family.firstPort + *index;
    }
    return std::nullopt;
}
