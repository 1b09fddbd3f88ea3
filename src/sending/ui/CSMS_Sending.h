#pragma once

#include "sending/SendingContext.h"

#include <QDialog>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;
class SendQueueModel;
class SendingRun;
class WaitPopup;

// The sending window over a SendingRun. It starts the run when first shown, copies what the run
// shows on a 50 ms timer (it never waits for the run), forwards Stop, Export and closing, and
// ends when the run has closed. Escape does not close it.
class CSMS_Sending : public QDialog
{
    Q_OBJECT

public:
    // `exports` writes the status export; without it Export does nothing.
    explicit CSMS_Sending(SendingContext context, const StatusExportFactory& exports = {},
                          QWidget* parent = nullptr);
    ~CSMS_Sending() override;

    SendingRun& run() { return *m_run; }
    SendQueueModel& model() { return *m_model; }
    QTableView* list() const { return m_list; }
    QPushButton* stopButton() const { return m_stop; }
    QPushButton* exportButton() const { return m_export; }
    QString statusText() const;
    QString progressText() const;
    QString pauseText() const;

    static constexpr int RefreshMs = 50;

public slots:
    void onStop();
    void onExport();
    void reject() override;
    // Copies the run's state into the widgets; the timer calls it.
    void refresh();
    void askResend(int rows);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildColumns(bool retriesOn);

    std::unique_ptr<ProcessStatusExport> m_exports;
    std::unique_ptr<SendingRun> m_run;
    SendQueueModel* m_model;
    QWidget* m_content;
    QLabel* m_status;
    QLabel* m_progressText;
    QLabel* m_pause;
    QLabel* m_note;
    QProgressBar* m_progress;
    QProgressBar* m_activity;
    QTableView* m_list;
    QPushButton* m_stop;
    QPushButton* m_export;
    QTimer* m_timer;
    WaitPopup* m_wait = nullptr;
    bool m_started = false;
    bool m_columnsBuilt = false;
};
