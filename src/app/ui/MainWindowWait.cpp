#include "app/ui/MainWindow.h"
#include "recipients/RecipientCommands.h"
#include "widgets/WaitPopup.h"

#include <QLabel>
#include <QTimer>

namespace {
constexpr int WaitRefreshMs = 500;
}

void CKORV_QuillonDlg::startWaitTimer(WaitTimer timer)
{
    QTimer*& qtimer = m_timers[timer];
    if (!qtimer) {
        qtimer = new QTimer(this);
        qtimer->setInterval(WaitRefreshMs);
        connect(qtimer, &QTimer::timeout, this, [this, timer] { onWaitTimer(timer); });
    }
    qtimer->start();
    onWaitTimer(timer);
}

void CKORV_QuillonDlg::killWaitTimer(WaitTimer timer)
{
    if (QTimer* qtimer = m_timers[timer])
        qtimer->stop();
    if (!waitTimerActive(WaitTimer::ListOperation) && !waitTimerActive(WaitTimer::Import))
        m_waitPopup.reset();
    refreshTotal();
}

bool CKORV_QuillonDlg::waitTimerActive(WaitTimer timer) const
{
    const auto found = m_timers.find(timer);
    return found != m_timers.end() && found->second && found->second->isActive();
}

void CKORV_QuillonDlg::onWaitTimer(WaitTimer timer)
{
    if (timer == WaitTimer::ClearTexts) {
        if (m_waitPopup)
            m_waitPopup->setText(QString());
        return;
    }
    if (!m_waitPopup) {
        m_waitPopup = std::make_unique<WaitPopup>(this, WaitTimerText(timer));
        m_waitPopup->show();
    }
    m_waitPopup->setText(WaitTimerText(timer));
    refreshTotal();
}

QString CKORV_QuillonDlg::waitText() const
{
    return m_waitPopup ? m_waitPopup->text() : QString();
}
