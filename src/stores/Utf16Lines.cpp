#include "stores/Utf16Lines.h"

#include "stores/StdioFileEx.h"

#include <QByteArray>

namespace {

constexpr qsizetype kChunkBytes = 1 << 16;

} // namespace

bool ReadUtf16Lines(const QString& path, const std::function<void(QStringView)>& line,
                    bool takeUnterminated, FileError* error)
{
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::modeRead | CStdioFileEx::typeBinary, error))
        return false;
    QByteArray bytes(kChunkBytes, Qt::Uninitialized);
    QString current; // the line being collected
    bool oddByte = false;
    unsigned char low = 0;
    for (;;) {
        const qsizetype got = qsizetype(file.Read(bytes.data(), kChunkBytes));
        if (got <= 0)
            break;
        const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData());
        for (qsizetype i = 0; i < got; ++i) {
            if (!oddByte) {
                low = in[i];
                oddByte = true;
                continue;
            }
            oddByte = false;
            const char16_t unit = char16_t(low | (in[i] << 8));
            if (unit == u'\n') {
                line(current);
                current.resize(0);
            } else if (unit != 0xFEFF) {
                current.append(QChar(unit));
            }
        }
    }
    if (takeUnterminated && !current.isEmpty())
        line(current);
    return true;
}
