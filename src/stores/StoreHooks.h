#pragma once

#include "stores/SentItem.h"

#include <QStringList>
#include <vector>

class QWidget;

// What the templates window's "Import Templates" reads through: the workbook reader of the
// contact import provides it.
class TemplateImportSource
{
public:
    virtual ~TemplateImportSource() = default;

    // Asks for the workbook, its sheet and its columns (on the UI thread). False when the user
    // gave up or the file was refused; the source has then said why.
    virtual bool choose(QWidget* parent) = 0;
    // The texts of every cell of the chosen columns, column by column, row 1 to the last row of
    // the used range. Runs off the UI thread while the window waits.
    virtual QStringList readCells() = 0;
};

// "Export Templates": the exports provide it.
class TemplatesExport
{
public:
    virtual ~TemplatesExport() = default;
    virtual void exportTemplates(QWidget* parent, const QStringList& newestFirst) = 0;
};

// "Export" of the sent-items window: the exports provide it. While it runs, the window's Close,
// Clear Selected and Export do nothing.
class SentItemsExport
{
public:
    virtual ~SentItemsExport() = default;
    virtual void exportSentItems(QWidget* parent, const std::vector<SentItem>& records) = 0;
    virtual bool isRunning() const = 0;
};
