#pragma once

#include <QDialog>
#include <functional>

class CSpecialEdit;
class Prompter;

// "Update Exclusion Number": edits one number of the list; `accept` decides whether the text
// given on "Update" is taken (it has said why when not).
class CUpdate_Ex_Num : public QDialog
{
    Q_OBJECT

public:
    CUpdate_Ex_Num(const QString& number, std::function<bool(const QString&)> accept,
                   Prompter& prompter, QWidget* parent = nullptr);

    CSpecialEdit* numberBox() const { return m_number; }

public slots:
    void accept() override;

private:
    std::function<bool(const QString&)> m_accept;
    CSpecialEdit* m_number;
};
