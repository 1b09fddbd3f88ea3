#include "recipients/NumberRule.h"

#include "stores/ExclusionSet.h"

bool NumberCheckOptions::isExcluded(const QString& number) const
{
    return useExclusionRules && exclusionSet && exclusionSet->IsExcluded(number);
}
