#pragma once

#include <QString>

// Whether the text of a desktop MIME association file (mimeinfo.cache or mimeapps.list) names
// an application for mimeType; removed associations do not count.
bool ListsHandlerFor(const QString& associationText, const QString& mimeType);
