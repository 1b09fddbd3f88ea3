#pragma once

#include "spreadsheet/Spreadsheet.h"

#include <QIODevice>
#include <QXmlStreamReader>
#include <memory>

struct zip;
typedef struct zip zip_t;

// One XML part of an xlsx package, unzipped as it is parsed. Refuses to unpack more than the
// part limit (a zip bomb inflates a small file into gigabytes) and refuses document type
// declarations, whose entities could expand without bound; nothing is ever expanded.
class XlsxPart
{
public:
    XlsxPart(zip_t& zip, const QString& name, const ReadLimits& limits);
    ~XlsxPart();
    XlsxPart(const XlsxPart&) = delete;
    XlsxPart& operator=(const XlsxPart&) = delete;

    // False when the part is missing (see missing()) or cannot be unzipped.
    [[nodiscard]] bool open();
    bool missing() const { return m_missing; }
    QXmlStreamReader& xml() { return m_xml; }

    // The next token; a document type declaration ends the reading with an error.
    QXmlStreamReader::TokenType next();
    bool atEnd() const { return m_xml.atEnd(); }

    // The text of the current element, read up to its end tag; a failure shows in finish().
    QString elementText();

    // Ends the reading: the reason it failed, or ok when the whole part was read cleanly.
    SpreadsheetError finish();
    const QString& name() const { return m_name; }

private:
    class Device;

    QString m_name;
    std::unique_ptr<Device> m_device;
    QXmlStreamReader m_xml;
    bool m_refusedDtd = false;
    bool m_missing = false;
};
