#pragma once

#include <QString>
#include <mutex>

// Everything the sending window shows, as the run logic last set it. The window copies it on
// its 50 ms timer; nobody waits for the window.
struct RunView
{
    QString caption;
    QString statusLabel;
    QString noteText;
    QString progressText;
    QString pauseLabel;
    QString stopButtonText;
    int progressMax = 0;
    int progressValue = 0;
    int activityValue = 0;
    bool stopEnabled = false;
    bool exportVisible = false;
    bool windowEnabled = true;
    bool waitPopupVisible = false;
    bool retriesOn = false; // the column widths depend on it
    bool closed = false;    // the window is to end
    // A retry round waits to know whether rows their modem never confirmed go again; the
    // window asks and answers through SendingRun::answerResendQuestion. 0: no question.
    int resendQuestionRows = 0;
};

class RunDisplay
{
public:
    RunView view() const;

    template <class F> void change(F&& f)
    {
        std::lock_guard lock(m_mutex);
        f(m_view);
    }

    QString statusLabel() const;
    QString stopButtonText() const;
    QString progressText() const;

private:
    mutable std::mutex m_mutex;
    RunView m_view;
};
