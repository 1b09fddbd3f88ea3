#pragma once

#include "sending/SendPreparation.h"

#include <QDialog>

class QRadioButton;

// "Information": the composer text differs from the one last applied to the list.
class CSend_Msg_Info : public QDialog, public ComposerChangeQuestion
{
    Q_OBJECT

public:
    explicit CSend_Msg_Info(QWidget* parent = nullptr);

    // Shows the question modally and returns the answer.
    Answer ask() override;
    Answer answer() const { return m_answer; }

    QRadioButton* allItems() const { return m_all; }
    QRadioButton* blankItems() const { return m_blank; }

public slots:
    void onYes();
    void onContinue();
    void onCancel();

private:
    QRadioButton* m_all;
    QRadioButton* m_blank;
    Answer m_answer = Answer::Cancel;
};
