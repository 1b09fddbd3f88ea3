#include "modem/SerialLineSettings.h"

#include <cerrno>
#include <sys/ioctl.h>

void applyModemLineSettings(termios& settings)
{
    // Binary: no echo, no line editing, no output processing, no byte stripping or marking.
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
}

int raiseModemLines(int fd)
{
    int lines = TIOCM_DTR | TIOCM_RTS;
    if (::ioctl(fd, TIOCMBIS, &lines) == 0 || errno == ENOTTY || errno == EINVAL)
        return 0;
    return errno;
}
