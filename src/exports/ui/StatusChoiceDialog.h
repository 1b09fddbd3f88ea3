#pragma once

#include "exports/StatusChoice.h"

#include <QDialog>
#include <functional>

class QRadioButton;

// The status choice of an export of sending outcomes, titled "Export": "All Items" (preset),
// "Only Successfully sent items" or "Only Failed items". OK asks the check first and stays
// open when it refuses.
class StatusChoiceDialog : public QDialog
{
    Q_OBJECT

public:
    using Check = std::function<bool(StatusChoice)>;

    explicit StatusChoiceDialog(Check check, QWidget* parent = nullptr);

    StatusChoice choice() const;
    void setChoice(StatusChoice choice);
    QRadioButton* button(StatusChoice choice) const;

public slots:
    void accept() override;

private:
    Check m_check;
    QRadioButton* m_all;
    QRadioButton* m_succeeded;
    QRadioButton* m_failed;
};
