#include "widgets/BackgroundJob.h"

#include "widgets/WaitPopup.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <thread>

namespace {

struct Job
{
    QPointer<QWidget> window;
    std::unique_ptr<WaitPopup> popup;
    bool wasEnabled = true;
};

std::shared_ptr<Job> beginJob(QWidget* window, const QString& waitText)
{
    auto job = std::make_shared<Job>();
    job->window = window;
    if (window) {
        job->wasEnabled = window->isEnabled();
        window->setEnabled(false);
    }
    job->popup = std::make_unique<WaitPopup>(window, waitText);
    job->popup->show();
    return job;
}

void endJob(Job& job)
{
    job.popup.reset();
    if (job.window)
        job.window->setEnabled(job.wasEnabled);
}

} // namespace

void RunBackgroundJob(QWidget* window, std::function<void()> work, std::function<void()> done,
                      const QString& waitText)
{
    auto job = beginJob(window, waitText);
    // The context object keeps the completion on the UI thread.
    auto* context = new QObject;
    std::thread([job, context, work = std::move(work), done = std::move(done)]() mutable {
        work();
        QMetaObject::invokeMethod(
            context,
            [job, context, done = std::move(done)] {
                endJob(*job);
                if (done)
                    done();
                context->deleteLater();
            },
            Qt::QueuedConnection);
    }).detach();
}

void RunBackgroundJobAndWait(QWidget* window, std::function<void()> work, const QString& waitText)
{
    QEventLoop loop;
    RunBackgroundJob(
        window, std::move(work), [&loop] { loop.quit(); }, waitText);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
