#include "spreadsheet/XlsxPart.h"

#include "spreadsheet/ZipArchive.h"

#include <algorithm>

// Reads an entry through libzip and counts what it unpacks: the sizes a zip declares are
// checked too, but only the bytes actually unpacked are trusted.
class XlsxPart::Device final : public QIODevice
{
public:
    Device(zip_t& zip, std::int64_t limit) : m_zip(zip), m_limit(limit) {}

    bool findEntry(const QString& name)
    {
        m_index = zip_name_locate(&m_zip, name.toUtf8().constData(), ZIP_FL_NOCASE);
        return m_index >= 0;
    }

    bool openEntry()
    {
        // A declared size past the limit fails the first read, without unpacking anything.
        zip_stat_t stat;
        zip_stat_init(&stat);
        m_exceeded = zip_stat_index(&m_zip, zip_uint64_t(m_index), 0, &stat) == 0 &&
                     (stat.valid & ZIP_STAT_SIZE) && stat.size > zip_uint64_t(m_limit);
        m_file.reset(zip_fopen_index(&m_zip, zip_uint64_t(m_index), 0));
        if (!m_file)
            return false;
        return open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    // Closes the entry; false when unzipping failed, including a checksum mismatch.
    bool closeEntry()
    {
        if (!m_file)
            return false;
        const bool closed = zip_fclose(m_file.release()) == 0;
        if (isOpen())
            close();
        return closed && !m_failed;
    }

    bool exceeded() const { return m_exceeded; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (m_exceeded || m_failed || !m_file)
            return -1;
        // One byte past the limit is enough to know it is exceeded.
        const qint64 wanted = std::min<qint64>(maxSize, m_limit - m_total + 1);
        const zip_int64_t n =
            zip_fread(m_file.get(), data, zip_uint64_t(std::max<qint64>(wanted, 0)));
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
    zip_t& m_zip;
    zip_int64_t m_index = -1;
    ZipEntryFile m_file;
    std::int64_t m_limit;
    std::int64_t m_total = 0;
    bool m_exceeded = false;
    bool m_failed = false;
};

XlsxPart::XlsxPart(zip_t& zip, const QString& name, const ReadLimits& limits)
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
