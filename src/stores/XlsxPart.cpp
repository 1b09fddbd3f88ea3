#include "stores/XlsxPart.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

// Reads an entry through QuaZip and counts what it unpacks.
class XlsxPart::Device final : public QIODevice
{
public:
    Device(QuaZip& zip, std::int64_t limit) : m_file(&zip), m_limit(limit) {}

    bool findEntry(const QString& name)
    {
        return m_file.getZip()->setCurrentFile(name, QuaZip::csInsensitive);
    }

    bool openEntry()
    {
        if (!m_file.open(QIODevice::ReadOnly))
            return false;
        return open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    // Closes the entry; false when unzipping failed, including a checksum mismatch.
    bool closeEntry()
    {
        if (!m_file.isOpen())
            return false;
        m_file.close();
        if (isOpen())
            close();
        return !m_failed && m_file.getZipError() == UNZ_OK;
    }

    bool exceeded() const { return m_exceeded; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (m_exceeded || m_failed)
            return -1;
        const qint64 n = m_file.read(data, maxSize);
        if (n < 0) {
            m_failed = true;
            return -1;
        }
        m_total += n;
        if (m_total > m_limit) {
            m_exceeded = true;
            return -1;
        }
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QuaZipFile m_file;
    std::int64_t m_limit;
    std::int64_t m_total = 0;
    bool m_exceeded = false;
    bool m_failed = false;
};

XlsxPart::XlsxPart(QuaZip& zip, const QString& name, const ReadLimits& limits)
    : m_name(name), m_device(std::make_unique<Device>(zip, limits.maxPartBytes))
{}

XlsxPart::~XlsxPart()
{
    m_device->closeEntry();
}

bool XlsxPart::open()
{
    m_missing = !m_device->findEntry(m_name);
    if (m_missing || !m_device->openEntry())
        return false;
    m_xml.setDevice(m_device.get());
    return true;
}

QXmlStreamReader::TokenType XlsxPart::next()
{
    const QXmlStreamReader::TokenType token = m_xml.readNext();
    if (token == QXmlStreamReader::DTD) {
        m_refusedDtd = true;
        m_xml.raiseError(QStringLiteral("Document type declarations are not accepted"));
        return QXmlStreamReader::Invalid;
    }
    return token;
}

QString XlsxPart::elementText()
{
    return m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
}

SpreadsheetError XlsxPart::finish()
{
    const bool xmlFailed = m_xml.hasError();
    const QString xmlError = m_xml.errorString();
    const bool unzipped = m_device->closeEntry();
    if (m_device->exceeded())
        return {SpreadsheetErrorCode::TooLarge, m_name + QStringLiteral(" unpacks too large")};
    if (m_refusedDtd)
        return {SpreadsheetErrorCode::Unsupported, m_name + QStringLiteral(": ") + xmlError};
    if (!unzipped)
        return {SpreadsheetErrorCode::Corrupt, m_name + QStringLiteral(" cannot be unzipped")};
    if (xmlFailed)
        return {SpreadsheetErrorCode::Corrupt, m_name + QStringLiteral(": ") + xmlError};
    return {};
}
