#pragma once

#include "recipients/ManualNumberAdd.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// "Add or Paste numbers Manually": a box for many numbers, one or more per line (separated by
// tabs), added at the top of the list with the composer text.
class CManually_Multiple_Num_Add : public QDialog
{
    Q_OBJECT

public:
    CManually_Multiple_Num_Add(RecipientList& list, const NumberCheckOptions& options,
                               const QString& composer, Prompter& prompter,
                               QWidget* parent = nullptr);

    QPlainTextEdit* numbersBox() const { return m_numbers; }

public slots:
    void accept() override;

private:
    ManualNumberAdd m_logic;
    NumberCheckOptions m_options;
    QString m_composer;
    QPlainTextEdit* m_numbers;
    QLabel* m_totalRows;
};
