#include "widgets/BackgroundJob.h"

#include "base/StoppableThread.h"
#include "widgets/WaitPopup.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace {

// One job: its thread, the disabled window and the wait pop-up. It lives until its completion
// has run on the UI thread, then deletes itself; one still running when the application object
// (its parent) goes is joined there. The window never waits for it.
class Job : public QObject
{
public:
    Job(QWidget* window, const QString& waitText, std::function<void()> done)
        : QObject(QCoreApplication::instance()), m_window(window), m_done(std::move(done))
    {
        if (window) {
            m_wasEnabled = window->isEnabled();
            window->setEnabled(false);
        }
        m_popup = new WaitPopup(window, waitText);
        m_popup->show();
    }
    ~Job() override { m_thread.join(); }

    void start(std::function<void()> work)
    {
        m_thread.start([this, work = std::move(work)](const std::stop_token&) mutable {
            work();
            work = nullptr; // what it holds goes on this thread, before the completion is posted
            QMetaObject::invokeMethod(
                this, [this] { complete(); }, Qt::QueuedConnection);
        });
    }

private:
    void complete()
    {
        m_thread.join(); // posting the completion was the thread's last step: no wait
        // The pop-up went with its window when that was deleted meanwhile.
        delete m_popup.data();
        if (m_window)
            m_window->setEnabled(m_wasEnabled);
        if (m_done)
            m_done();
        deleteLater();
    }

    QPointer<QWidget> m_window;
    QPointer<WaitPopup> m_popup;
    bool m_wasEnabled = true;
    std::function<void()> m_done;
    StoppableThread m_thread;
};

} // namespace

void RunBackgroundJob(QWidget* window, std::function<void()> work, std::function<void()> done,
                      const QString& waitText)
{
    auto* job = new Job(window, waitText, std::move(done));
    job->start(std::move(work));
}

void RunBackgroundJobAndWait(QWidget* window, std::function<void()> work, const QString& waitText)
{
    QEventLoop loop;
    RunBackgroundJob(
        window, std::move(work), [&loop] { loop.quit(); }, waitText);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
