#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Each UTF-16 code unit as four upper-case hex digits: "Hi" gives "00480069".
QString ToUcs2Hex(const QString& text);

// The inverse, accepting either case; nullopt when the text is not whole groups of four hex
// digits.
std::optional<QString> fromUcs2Hex(QStringView hex);
