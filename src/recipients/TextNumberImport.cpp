#include "recipients/TextNumberImport.h"

#include "recipients/RecipientBatch.h"

#include <QFile>

std::optional<ImportNotice> CheckTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ImportText::fileMissing();
    const QByteArray start = file.read(2);
    if (start == QByteArrayView("\xFF\xFE") || start == QByteArrayView("\xFE\xFF") ||
        start == QByteArrayView("\xEF\xBB"))
        return ImportText::notAnsi();
    if (file.size() == 0)
        return ImportText::fileEmpty();
    return std::nullopt;
}

void TextNumberTokens::feed(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        switch (byte) {
        case ' ':
            break;
        case ',':
        case '\r':
        case '\n':
            endToken();
            break;
        default:
            m_token.append(QChar(static_cast<unsigned char>(byte)));
        }
    }
}

void TextNumberTokens::endToken()
{
    if (m_token.isEmpty())
        return;
    m_batch.add(m_token, m_composer, m_options);
    m_token.clear();
}

bool ReadTextNumbers(const QString& path, RecipientBatch& batch, const QString& composer,
                     const NumberCheckOptions& options)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    TextNumberTokens tokens(batch, composer, options);
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            return false;
        if (got == 0)
            break;
        tokens.feed(QByteArrayView(chunk.constData(), got));
    }
    tokens.finish();
    return true;
}
