#pragma once

#include <QDialog>
#include <memory>

class ConnectionTest;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// "Advanced Connection Troubleshooting": the window over a ConnectionTest, read on a timer.
class CAutomated_GSM_Sending : public QDialog
{
    Q_OBJECT

public:
    CAutomated_GSM_Sending(ConnectionTest& test, QWidget* parent = nullptr);

    void reject() override; // Close and the window's close button

private:
    void choose(QTreeWidgetItem* item);
    void refresh();
    void collect();
    void tick();

    ConnectionTest& m_test;
    QTreeWidget* m_devices;
    QTreeWidget* m_cases;
    QPlainTextEdit* m_details;
    QLineEdit* m_defaultSmsc;
    QLineEdit* m_customSmsc;
    QLineEdit* m_phone;
    QLabel* m_status;
    QProgressBar* m_progress;
    QPushButton* m_start;
    QPushButton* m_stop;
    QPushButton* m_saveLog;
    QPushButton* m_clear;
    QTimer* m_timer;
    bool m_wasRunning = false;
};
