#include "exports/ui/FileSaveDialog.h"

#include <QCoreApplication>
#include <QFileDialog>

std::optional<SaveDialog::Choice> FileSaveDialog::askSavePath(const QList<ExportFormat>& formats)
{
    if (formats.isEmpty())
        return std::nullopt;
    QStringList filters;
    for (const ExportFormat format : formats)
        filters.append(ExportFilterLabel(format));

    QFileDialog dialog(m_parent, QCoreApplication::translate("Export", "Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    dialog.setDefaultSuffix(ExportExtension(formats.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &filters, &formats](const QString& filter) {
                         const qsizetype index = filters.indexOf(filter);
                         if (index >= 0)
                             dialog.setDefaultSuffix(ExportExtension(formats[index]));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
    return Choice{dialog.selectedFiles().first(), int(index < 0 ? 0 : index)};
}
