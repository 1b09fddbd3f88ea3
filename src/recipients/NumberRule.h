#pragma once

#include "stores/PhoneNumberText.h"

#include <QCoreApplication>
#include <QString>

class ExclusionSet;

// The options read at the moment a number is tested. The exclusion set belongs to the main
// window; it is consulted only while "Use Exclusion Rules" is ticked.
struct NumberCheckOptions
{
    bool skipDuplicateNumbers = false;
    bool useExclusionRules = false;
    const ExclusionSet* exclusionSet = nullptr;

    bool isExcluded(const QString& number) const;
};

// The outcome of checking a new number: the normalised number, or an empty number and the
// message that refuses it.
struct RecipientNumberCheck
{
    QString number;
    QString message;

    bool accepted() const { return !number.isEmpty(); }
};

namespace NumberRuleText {
inline QString invalidNumber()
{
    return QCoreApplication::translate("RecipientList", "Please enter a valid phone number.");
}
inline QString alreadyExists()
{
    return QCoreApplication::translate("RecipientList", "Entered number already exists.");
}
inline QString excluded()
{
    return QCoreApplication::translate("RecipientList", "Entered number is in exclusion list.");
}
} // namespace NumberRuleText

// The one number check for new rows: separators stripped and the text trimmed, then validity,
// then duplicates (`isListed` answers whether a row already has the number), then exclusion.
template <class IsListed>
RecipientNumberCheck CheckRecipientNumber(const QString& text, const NumberCheckOptions& options,
                                          IsListed&& isListed)
{
    const QString number = StripNumberSeparators(text).trimmed();
    if (number.isEmpty() || IsInvalidNumber(number))
        return {QString(), NumberRuleText::invalidNumber()};
    if (options.skipDuplicateNumbers && isListed(number))
        return {QString(), NumberRuleText::alreadyExists()};
    if (options.isExcluded(number))
        return {QString(), NumberRuleText::excluded()};
    return {number, QString()};
}
