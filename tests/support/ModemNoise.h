#pragma once

#include "sim/SimulatorOptions.h"

#include <QString>

// Unsolicited lines as common USB modems print them, inside every other answer: tests of
// the program against simulated modems hear what real ones say unasked.
inline const QString UnsolicitedNoise =
    QStringLiteral("urc=^RSSI:20,urc=\"^MODE:5,4\",urc=\"+CREG: 1\",urc=RING,urc-inside,"
                   "urc-every=2");

// Every modem of the options prints the noise; a modem's own items still apply after it.
inline void addUnsolicitedNoise(sim::SimulatorOptions& options)
{
    options.addProfileForAll(UnsolicitedNoise);
}
