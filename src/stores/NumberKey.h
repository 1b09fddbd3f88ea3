#pragma once

#include <QString>

// Phone numbers are compared as whole texts with letter case ignored. This is the one form
// that makes such a comparison a hash look-up: equal keys exactly when the texts compare equal
// ignoring case. Plain digit strings (nearly every number) come back shared, without a copy.
QString NumberKey(const QString& number);
