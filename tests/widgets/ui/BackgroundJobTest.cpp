#include "widgets/BackgroundJob.h"

#include <QApplication>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <gtest/gtest.h>
#include <semaphore>

TEST(BackgroundJobTest, WorkRunsOffTheUiThreadWithTheWindowDisabled)
{
    QWidget window;
    window.show();
    std::atomic<bool> disabledDuringWork{false};
    std::atomic<bool> offUiThread{false};
    bool doneOnUiThread = false;
    RunBackgroundJobAndWait(&window, [&] {
        offUiThread = QThread::currentThread() != qApp->thread();
        disabledDuringWork = !window.isEnabled();
    });
    RunBackgroundJobAndWait(&window, [] {});
    EXPECT_TRUE(offUiThread);
    EXPECT_TRUE(disabledDuringWork);
    EXPECT_TRUE(window.isEnabled());

    bool finished = false;
    RunBackgroundJob(
        &window, [] {},
        [&] {
            doneOnUiThread = QThread::currentThread() == qApp->thread();
            finished = true;
        });
    while (!finished)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(doneOnUiThread);
}

TEST(BackgroundJobTest, WindowDeletedWhileItsJobRunsStillGetsTheCompletion)
{
    auto* window = new QWidget;
    window->show();
    std::binary_semaphore release{0};
    bool finished = false;
    RunBackgroundJob(
        window, [&] { release.acquire(); }, [&] { finished = true; });
    delete window; // the wait pop-up goes with it
    release.release();
    while (!finished)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(finished);
}
