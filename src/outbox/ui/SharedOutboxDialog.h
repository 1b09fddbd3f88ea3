#pragma once

#include "outbox/OutboxProgress.h"

#include <QDialog>
#include <array>
#include <memory>

class DataFolder;
class Prompter;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QWidget;
class RecipientList;

// "Shared Outbox": the address of the database this computer shares an outbox with, and
// "Send through the shared outbox", which puts the recipient list there for the computers
// that serve it, in place of this computer's modems. While the window is open it shows the
// saved outbox's rows by state, counted every two seconds off the UI thread.
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
        // Kept by the main window, so that closing this window never waits for a count under
        // way; the window counts with its own when none is given.
        OutboxProgress* progress = nullptr;
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
    // Asks for a count of the saved outbox; the answer comes to showProgress().
    void askProgress();
    void showProgress();
    // Blank counts until the first answer.
    void clearProgress();

    Inputs m_inputs;
    QString m_saved; // the address as the data folder holds it
    Prompter& m_prompter;
    QLineEdit* m_address;
    QLabel* m_state;
    QPushButton* m_save;
    QPushButton* m_send;
    QWidget* m_progress;     // the counts and the bar; hidden while no address is saved
    QWidget* m_countsPanel;  // hidden while the outbox cannot be counted
    QLabel* m_progressError; // the one line shown in its place
    std::array<QLabel*, 8> m_counts{};
    QProgressBar* m_bar;
    std::unique_ptr<OutboxProgress> m_ownProgress;
    OutboxProgress& m_outbox;
};
