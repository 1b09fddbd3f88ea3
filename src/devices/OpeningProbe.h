#pragma once

#include "modem/PortMap.h"

#include <QString>
#include <vector>

// Whether a port whose open failed with this errno exists all the same: it is there but busy
// or closed to us (EACCES, EPERM, EBUSY, a lock held elsewhere). Every other error (ENOENT,
// ENXIO, ENODEV, EIO, ...) means there is no port: a ttyS node without a UART behind it fails
// with EIO and must not count.
bool portExistsDespite(int errorNumber);

// The try for one port: 0 when it opened, else the errno (a held lock gives EBUSY).
int tryOpenPort(const PortMap& ports, int port);

// The group a user may join to use a device node of this mode and owning group: the group
// when its permission bits let it read and write, else empty. The root group is never one to
// join for a port.
QString groupGrantingAccess(unsigned mode, unsigned groupId, const QString& groupName);

// groupGrantingAccess for a port's device node; empty as well when it cannot be told.
QString groupGrantingAccessToPort(const PortMap& ports, int port);

// Tries every port from 1 to 512 in ascending order and returns those that exist (could be
// opened, or failed as portExistsDespite allows). Each try opens without waiting for carrier
// and closes at once. progress is called with each port number before its try; returning
// false ends the probe there.
template <typename Progress>
std::vector<int> ProbePortsByOpening(const PortMap& ports, Progress&& progress)
{
    std::vector<int> found;
    for (int port = 1; port <= PortMap::MaxPort; ++port) {
        if (!progress(port))
            break;
        const int error = tryOpenPort(ports, port);
        if (error == 0 || portExistsDespite(error))
            found.push_back(port);
    }
    return found;
}

std::vector<int> ProbePortsByOpening(const PortMap& ports);
