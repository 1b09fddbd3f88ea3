#include "devices/OpeningProbe.h"

#include "modem/UniqueFd.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

bool portExistsDespite(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
    case EBUSY:
    case EWOULDBLOCK:
        return true;
    default:
        return false;
    }
}

int tryOpenPort(const PortMap& ports, int port)
{
    const auto path = ports.devicePath(port);
    if (!path)
        return ENOENT;
    // Non-blocking: a blocking open of a ttyS or ttyACM node waits for carrier.
    const UniqueFd fd(
        ::open(QFile::encodeName(*path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid())
        return errno;
    // The channel holds an flock on the device while it uses it; another program may as well.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? EBUSY : errno;
    return 0;
}

std::vector<int> ProbePortsByOpening(const PortMap& ports)
{
    return ProbePortsByOpening(ports, [](int) { return true; });
}

QString groupGrantingAccess(unsigned mode, unsigned groupId, const QString& groupName)
{
    const bool groupMayUse = (mode & S_IRGRP) && (mode & S_IWGRP);
    if (!groupMayUse || groupId == 0 || groupName.isEmpty())
        return {};
    return groupName;
}

QString groupGrantingAccessToPort(const PortMap& ports, int port)
{
    const auto path = ports.devicePath(port);
    struct stat info
    {};
    if (!path || ::stat(QFile::encodeName(*path).constData(), &info) != 0)
        return {};
    long bufferSize = ::sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> buffer(bufferSize > 0 ? static_cast<std::size_t>(bufferSize) : 16384);
    group entry{};
    group* found = nullptr;
    const bool named =
        ::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found;
    return groupGrantingAccess(info.st_mode, info.st_gid,
                               named ? QString::fromLocal8Bit(found->gr_name)
                                     : QString::number(info.st_gid));
}
