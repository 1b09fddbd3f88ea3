#pragma once

#include <termios.h>

// The fixed line settings of a modem channel: raw 8N1 at 9600 baud, no software or hardware
// flow control, carrier ignored (CLOCAL), and reads that return at once with what is buffered.
void applyModemLineSettings(termios& settings);

// Raises DTR and RTS. Returns 0 or an errno; a device without modem lines (a pseudo-terminal)
// is not an error.
int raiseModemLines(int fd);
