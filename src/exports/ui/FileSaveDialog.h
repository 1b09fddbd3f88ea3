#pragma once

#include "exports/ExportServices.h"

class QWidget;

// The export save dialog: one filter per format, the default extension following the filter.
class FileSaveDialog : public SaveDialog
{
public:
    explicit FileSaveDialog(QWidget* parent) : m_parent(parent) {}

    std::optional<Choice> askSavePath(const QList<ExportFormat>& formats) override;

private:
    QWidget* m_parent;
};
