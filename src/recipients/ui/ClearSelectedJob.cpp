#include "recipients/ui/ClearSelectedJob.h"

#include "recipients/RecipientCommands.h"
#include "recipients/RecipientList.h"
#include "widgets/BackgroundJob.h"

#include <QPointer>
#include <memory>

bool RunClearSelected(QWidget* window, RecipientList& list, Prompter& prompter,
                      const QList<int>& selected, int selectionMark,
                      std::function<void(int rowToSelect)> done)
{
    if (!RecipientCommands(list, prompter).CanClearSelected(selected))
        return false;
    auto plan = std::make_shared<RecipientRemoval>();
    QPointer<RecipientList> target(&list);
    RunBackgroundJob(
        window, [plan, &list, selected] { *plan = list.planRemoval(selected); },
        [plan, target, selectionMark, done = std::move(done)] {
            if (!target)
                return;
            target->applyRemoval(std::move(*plan));
            if (done)
                done(RecipientCommands::RowToSelectAfterClear(*target, selectionMark));
        });
    return true;
}
