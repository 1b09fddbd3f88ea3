#pragma once

#include <QDialog>

class DataFolder;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;
class RecipientList;

// "Shared Outbox": the address of the database this computer shares an outbox with, and
// "Send through the shared outbox", which puts the recipient list there for the computers
// that serve it, in place of this computer's modems.
class SharedOutboxDialog : public QDialog
{
    Q_OBJECT

public:
    struct Inputs
    {
        const DataFolder& data;
        const RecipientList& recipients;
        bool flash = false;
        bool unicode = false;
    };

    SharedOutboxDialog(Inputs inputs, Prompter& prompter, QWidget* parent = nullptr);

    QLineEdit* addressBox() const { return m_address; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* sendButton() const { return m_send; }

private slots:
    void onSave();
    void onSend();

private:
    void refresh();

    Inputs m_inputs;
    QString m_saved; // the address as the data folder holds it
    Prompter& m_prompter;
    QLineEdit* m_address;
    QLabel* m_state;
    QPushButton* m_save;
    QPushButton* m_send;
};
