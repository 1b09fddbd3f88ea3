#pragma once

#include "sim/ModemProfile.h"

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <vector>

namespace sim {

// What to simulate: how many modems, on which port numbers, where their links go, where the air
// is logged and how each modem behaves.
struct SimulatorOptions
{
    struct ProfileSpec
    {
        std::optional<int> port; // nothing: every modem
        QString items;
    };

    std::filesystem::path portsDir;
    int modems = 1;
    int firstPort = 1;
    QString logFile; // empty: keep the air in memory only
    std::vector<ProfileSpec> profiles;

    void addProfile(int port, const QString& items) { profiles.push_back({port, items}); }
    void addProfileForAll(const QString& items) { profiles.push_back({std::nullopt, items}); }

    // The defaults of the port, then the items for every modem, then the port's own, in order.
    ModemProfile profileFor(int port) const;

    // Throws SimError when the options cannot work.
    void validate() const;
};

struct CommandLine
{
    bool help = false;
    SimulatorOptions options;
};

// Parses the program's arguments (without the program name); throws SimError.
CommandLine parseCommandLine(const QStringList& arguments);

QString usageText();

} // namespace sim
