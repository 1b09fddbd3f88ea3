#include "stores/ui/ExclusionSetLoader.h"

#include "stores/ExclusionSet.h"
#include "widgets/BackgroundJob.h"

bool LoadExclusionSetWithWait(QWidget* window, ExclusionSet& set, bool useExclusionRules,
                              const DataFolder& folder, Prompter& prompter)
{
    if (!useExclusionRules)
        return false;
    set.clear();
    ExclusionSetRead read;
    RunBackgroundJobAndWait(window, [&read, &folder] { read = ReadExclusionSet(folder); });
    ApplyExclusionSetRead(set, std::move(read), prompter);
    return true;
}
