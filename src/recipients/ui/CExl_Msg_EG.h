#pragma once

#include <QDialog>

class QLabel;
class QTableWidget;

// "Example of personalized Dynamic Message": a small school sheet with the parents' numbers in
// column 1, a template built from placeholders of the other columns, and what the parent of the
// first pupil would receive.
class CExl_Msg_EG : public QDialog
{
    Q_OBJECT

public:
    explicit CExl_Msg_EG(QWidget* parent = nullptr);

    static QString exampleTemplate();
    // The template filled from the first data row of the example sheet.
    static QString exampleMessage();

    QTableWidget* sheet() const { return m_sheet; }

private:
    QTableWidget* m_sheet;
};
