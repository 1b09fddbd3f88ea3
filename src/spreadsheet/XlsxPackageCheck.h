#pragma once

#include <QString>

// Whether a freshly written xlsx package is whole: a zip that opens, every part reads back to
// its stated size with a right checksum, and every XML part ends with the end of its root
// element. libxlsxwriter does not check its writes of the temporary files it builds the parts
// in; a failed one (full disk, file-size limit) leaves a package with cut-short parts that
// libxlsxwriter itself reports as written.
bool XlsxPackageIsWhole(const QString& path);
