#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// Maps the program's numbered ports ("COM<n>", n from 1 to MaxPort, the key of every device
// store) to Linux serial devices.
//
// Folder mode (QUILLON_PORTS names a folder): COM<n> is the entry "COM<n>" in that folder, a
// symlink to a device or a device node; nothing else is consulted and a missing entry means
// the port does not exist. The modem simulator and tests use it to present pseudo-terminals as
// numbered ports.
//
// Default mode, a fixed table so a modem keeps its number between runs:
//   /dev/ttyS<k>   (k 0..99)  is COM<k+1>    (COM1..COM100)
//   /dev/ttyUSB<k> (k 0..199) is COM<101+k>  (COM101..COM300)
//   /dev/ttyACM<k> (k 0..199) is COM<301+k>  (COM301..COM500)
// and nothing else.
class PortMap
{
public:
    static constexpr int MaxPort = 512;

    explicit PortMap(std::optional<QString> folder = std::nullopt);

    // Folder mode when the environment variable QUILLON_PORTS is set and not empty.
    static PortMap fromEnvironment();

    const std::optional<QString>& folder() const { return m_folder; }

    // The path to open for a port, or nothing when the number maps to no device name. The path
    // may not exist: opening it then fails as for a port that is not there.
    std::optional<QString> devicePath(int port) const;

    // The port a device path belongs to (symlinks resolved), or nothing.
    std::optional<int> portNumber(const QString& path) const;

    bool exists(int port) const;

    // The ports whose device exists, ascending.
    std::vector<int> existingPorts() const;

    // The default table on its own: port to "/dev/..." name and back. The inverse accepts the
    // name with or without "/dev/".
    static std::optional<QString> defaultDeviceName(int port);
    static std::optional<int> defaultPortNumber(QStringView deviceName);

private:
    std::optional<int> folderPortNumber(const QString& path) const;

    std::optional<QString> m_folder;
};
