#pragma once

#include <QDialog>
#include <QTimer>

class ImportProgress;
class QLabel;

// The progress window of the wizard's readings: "Total Records : %d", "Currently Reading : "
// row " / " total " Records", the current number and message, and the wait text. It follows an
// ImportProgress written by the reading thread on a timer of its own.
class ImportProgressWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ImportProgressWindow(QWidget* parent = nullptr);

    void follow(const ImportProgress& progress);
    void refresh();

    QString totalText() const;
    QString readingText() const;
    QString numberText() const;
    QString messageText() const;

private:
    const ImportProgress* m_progress = nullptr;
    QTimer m_timer;
    QLabel* m_total;
    QLabel* m_reading;
    QLabel* m_number;
    QLabel* m_message;
};
