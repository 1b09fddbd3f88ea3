#include "devices/PortEnumeration.h"

#include "modem/PortMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// Levels between a tty's device and its USB device: interface, usb-serial port, and a margin.
constexpr int MaxUsbAncestorLevels = 6;

QString readAttribute(const QString& folder, const QString& name)
{
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

// The folder of the USB device above a tty's device (it has idVendor), or empty.
QString usbDeviceFolder(const QString& deviceFolder)
{
    QDir dir(deviceFolder);
    for (int level = 0; level <= MaxUsbAncestorLevels; ++level) {
        if (QFileInfo::exists(dir.filePath(QStringLiteral("idVendor"))))
            return dir.absolutePath();
        if (!dir.cdUp())
            break;
    }
    return {};
}

QString usbPortName(const QString& usbFolder)
{
    const QString manufacturer = readAttribute(usbFolder, QStringLiteral("manufacturer"));
    const QString product = readAttribute(usbFolder, QStringLiteral("product"));
    QString name = manufacturer;
    if (!product.isEmpty() && !product.startsWith(manufacturer, Qt::CaseInsensitive))
        name = (name + u' ' + product).trimmed();
    else if (!product.isEmpty())
        name = product;
    return name.isEmpty() ? QStringLiteral("USB Serial Device") : name;
}

// The name of one tty, or empty when it is no serial port worth listing.
QString ttyName(const QString& ttyFolder)
{
    const QFileInfo device(QDir(ttyFolder).filePath(QStringLiteral("device")));
    if (!device.exists())
        return {}; // virtual terminals, pseudo-terminals
    const QString deviceFolder = device.canonicalFilePath();
    if (const QString usb = usbDeviceFolder(deviceFolder); !usb.isEmpty())
        return usbPortName(usb);
    // Serial-core ports report their UART type; 0 is "unknown": a ttyS node without a chip.
    const QString type = readAttribute(ttyFolder, QStringLiteral("type"));
    if (type.isEmpty() || type == u'0')
        return {};
    return QString::fromUtf16(BuiltInPortName);
}

} // namespace

SysfsSerialPortLister::SysfsSerialPortLister(const PortMap& ports, QString ttyClassFolder)
    : m_ports(ports), m_ttyClassFolder(std::move(ttyClassFolder))
{}

std::vector<ListedSerialPort> SysfsSerialPortLister::listSerialPorts() const
{
    std::vector<ListedSerialPort> listed;
    const QDir folder(m_ttyClassFolder);
    const QStringList ttys =
        folder.entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& tty : ttys) {
        const auto port = m_ports.portNumber(QStringLiteral("/dev/") + tty);
        if (!port)
            continue;
        const QString name = ttyName(folder.filePath(tty));
        if (!name.isEmpty())
            listed.push_back({*port, name});
    }
    std::sort(listed.begin(), listed.end(),
              [](const ListedSerialPort& a, const ListedSerialPort& b) { return a.port < b.port; });
    return listed;
}

std::unique_ptr<SerialPortLister> makeSerialPortLister(const PortMap& ports)
{
    if (ports.folder())
        return std::make_unique<EmptySerialPortLister>();
    return std::make_unique<SysfsSerialPortLister>(ports);
}
