#include "stores/Utf16Units.h"

#include "stores/StdioFileEx.h"

#include <QByteArray>

bool ReadUtf16Units(const QString& path, QString& units, FileError* error)
{
    units.clear();
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::modeRead | CStdioFileEx::typeBinary, error))
        return false;
    QByteArray bytes;
    bytes.resize(file.GetLength());
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    units.resize(bytes.size() / 2);
    QChar* out = units.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData());
    qsizetype kept = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = char16_t(in[i] | (in[i + 1] << 8));
        if (unit != 0xFEFF)
            out[kept++] = QChar(unit);
    }
    units.truncate(kept);
    return true;
}
