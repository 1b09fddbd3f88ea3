#include "recipients/ui/OpenFileChooser.h"

#include "recipients/OpenFileFilter.h"

#include <QCoreApplication>
#include <QFileDialog>

QString ChooseOpenFile(QWidget* parent, const QString& filter)
{
    QFileDialog dialog(parent, QCoreApplication::translate("Import", "Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFiltersFromPairs(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}
