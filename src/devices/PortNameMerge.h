#pragma once

#include "devices/PortEnumeration.h"

#include <QStringList>
#include <vector>

// The best known name of each opened port, parallel to openedPorts. A listed name without
// "(COM" becomes "%s on (COM%d)"; each opened port starts as "(COM%d)" and takes the first
// listed name that contains that tag, which is then used up ("(COM1)" is not found in
// "(COM10)" because of the closing parenthesis). Ports only the listing knows are dropped.
QStringList mergePortNames(const std::vector<int>& openedPorts,
                           std::vector<ListedSerialPort> listed);

// Whether a merged name describes nothing: empty after trimming, or a bare tag such as
// "(COM12)" (at most 8 characters, starting with "(COM").
bool isBarePortName(const QString& name);
