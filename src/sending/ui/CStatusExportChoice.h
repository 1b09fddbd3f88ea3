#pragma once

#include "sending/StatusExport.h"

#include <QDialog>

class QButtonGroup;

// The status choice of the sending window's Export button; "All Items" is preset.
class CStatusExportChoice : public QDialog
{
    Q_OBJECT

public:
    explicit CStatusExportChoice(QWidget* parent = nullptr);

    StatusChoice choice() const;
    void setChoice(StatusChoice choice);

private:
    QButtonGroup* m_group;
};
