#include "recipients/ui/ImportWait.h"

#include "recipients/RecipientCommands.h"
#include "recipients/ui/ImportProgressWindow.h"
#include "widgets/BackgroundJob.h"
#include "widgets/WaitPopup.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int RefreshMs = 500;

} // namespace

void RunImportWithWait(QWidget* window, const std::function<void()>& work, const QString& waitText,
                       const std::function<int()>& rowsSoFar, const TotalNumbersCallback& showTotal)
{
    const QString text = waitText.isEmpty() ? WaitPopup::defaultText() : waitText;
    QTimer timer;
    QPointer<QWidget> over(window);
    QObject::connect(&timer, &QTimer::timeout, [over, text, rowsSoFar, showTotal] {
        if (over) {
            for (WaitPopup* popup : over->findChildren<WaitPopup*>(Qt::FindDirectChildrenOnly)) {
                popup->setText(text);
                popup->show();
            }
        }
        if (showTotal && rowsSoFar)
            showTotal(TotalNumbersText(rowsSoFar()));
    });
    timer.start(RefreshMs);
    RunBackgroundJobAndWait(window, work, text);
    timer.stop();
    if (showTotal && rowsSoFar)
        showTotal(TotalNumbersText(rowsSoFar()));
}

void RunImportWithProgress(QWidget* window, const std::function<void()>& work,
                           const ImportProgress& progress, const std::function<int()>& rowsSoFar,
                           const TotalNumbersCallback& showTotal)
{
    ImportProgressWindow progressWindow(window);
    progressWindow.follow(progress);
    progressWindow.show();
    RunImportWithWait(window, work, QString(), rowsSoFar, showTotal);
    progressWindow.refresh();
}
