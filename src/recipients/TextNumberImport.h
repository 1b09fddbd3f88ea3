#pragma once

#include "recipients/ImportTexts.h"
#include "recipients/NumberRule.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

class RecipientBatch;

// The text reader of "Load Contacts From File": numbers only, 8-bit text.

// The checks made before anything is read: a UTF-16 or UTF-8 byte-order mark refuses the file,
// as does an empty one. No notice means the file may be read.
std::optional<ImportNotice> CheckTextFile(const QString& path);

// Cuts the bytes into tokens and gathers every accepted number with the composer text. A blank
// is dropped (so "07 00" is one number), a comma, CR or LF ends a token, and any other byte is
// kept as the character of the same code (a byte above 7Fh then spoils the number).
class TextNumberTokens
{
public:
    TextNumberTokens(RecipientBatch& batch, const QString& composer,
                     const NumberCheckOptions& options)
        : m_batch(batch), m_composer(composer), m_options(options)
    {}

    void feed(QByteArrayView bytes);
    // The last token, when the file does not end with a separator.
    void finish() { endToken(); }

private:
    void endToken();

    RecipientBatch& m_batch;
    QString m_composer;
    NumberCheckOptions m_options;
    QString m_token;
};

// Reads the whole file through the tokens. False when it could not be read to its end.
bool ReadTextNumbers(const QString& path, RecipientBatch& batch, const QString& composer,
                     const NumberCheckOptions& options);
