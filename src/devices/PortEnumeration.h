#pragma once

#include <QString>
#include <memory>
#include <vector>

class PortMap;

// One serial port the system knows by name: its number and the name to show for it.
struct ListedSerialPort
{
    int port = 0;
    QString name;

    friend bool operator==(const ListedSerialPort&, const ListedSerialPort&) = default;
};

// Where the scan learns the names of the machine's serial ports, in the system's order.
// Failures only lose names: a lister that cannot read anything returns an empty list.
class SerialPortLister
{
public:
    virtual ~SerialPortLister() = default;
    virtual std::vector<ListedSerialPort> listSerialPorts() const = 0;
};

// The kernel's view under /sys/class/tty: every tty with a device behind it that the port map
// gives a number. USB ports are named by the USB device's manufacturer and product strings;
// the built-in UARTs of a PC carry "Communications Port"; serial-core ports whose UART type is
// unknown (ttyS nodes with no hardware) are left out, as are virtual terminals.
class SysfsSerialPortLister : public SerialPortLister
{
public:
    explicit SysfsSerialPortLister(const PortMap& ports,
                                   QString ttyClassFolder = QStringLiteral("/sys/class/tty"));

    std::vector<ListedSerialPort> listSerialPorts() const override;

private:
    const PortMap& m_ports;
    QString m_ttyClassFolder;
};

// No names at all: ports presented through a folder (QUILLON_PORTS) carry no description, so
// the modems' own answers describe them.
class EmptySerialPortLister : public SerialPortLister
{
public:
    std::vector<ListedSerialPort> listSerialPorts() const override { return {}; }
};

// The lister that suits the port map: the folder's (empty) in folder mode, sysfs otherwise.
std::unique_ptr<SerialPortLister> makeSerialPortLister(const PortMap& ports);

// Name the machine's built-in serial ports carry.
inline constexpr char16_t BuiltInPortName[] = u"Communications Port";
