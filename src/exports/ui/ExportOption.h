#pragma once

#include "exports/ExportOptionLogic.h"

#include <QDialog>

class QDateEdit;
class QRadioButton;

// The sent-items export options (`CExport_Option`, "Export"): the period as two dates shown as
// "dd/MM/yyyy" and the file format. OK closes only when the logic accepts the period.
class CExport_Option : public QDialog
{
    Q_OBJECT

public:
    explicit CExport_Option(ExportOptionLogic& logic, QWidget* parent = nullptr);

    QDateEdit* startDate() const { return m_start; }
    QDateEdit* endDate() const { return m_end; }
    QRadioButton* formatButton(ExportFormat format) const;
    ExportFormat format() const;
    // What OK hands on; meaningful once the dialog was accepted.
    SentItemsExportOptions options() const;

public slots:
    void accept() override;

private:
    QDateEdit* dateEdit(const QDate& date);

    ExportOptionLogic& m_logic;
    QDateEdit* m_start;
    QDateEdit* m_end;
    QList<QPair<ExportFormat, QRadioButton*>> m_formats;
};
