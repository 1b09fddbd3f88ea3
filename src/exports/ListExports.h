#pragma once

#include "exports/Exporter.h"

#include <QStringList>

// The exports of the plain lists, each in its list's current order.

// An exclusion list's numbers: xls, xlsx or 8-bit text.
ExportOutcome ExportExclusionList(Exporter& exporter, const QStringList& numbers);

// The templates as the templates window shows them: xls, xlsx, text or HTML.
ExportOutcome ExportTemplates(Exporter& exporter, const QStringList& templates);

// The inbox window's messages as it shows them (Number, Message, Received, Modem, Last sent
// item, one row each): xls, xlsx, text or HTML.
ExportOutcome ExportInbox(Exporter& exporter, const QList<QStringList>& rows);
