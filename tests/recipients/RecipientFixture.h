#pragma once

#include "recipients/RecipientList.h"
#include "stores/ExclusionSet.h"
#include "support/ScriptedPrompter.h"

#include <QStringList>
#include <gtest/gtest.h>

// A recipient list with an exclusion set and options at hand, and shorthands to fill and read
// it.
class RecipientFixture : public ::testing::Test
{
protected:
    // Rows from the top down: "number" or "number=message".
    void fill(const QStringList& rows)
    {
        std::vector<RecipientRow> all;
        for (const QString& row : rows) {
            const qsizetype eq = row.indexOf('=');
            all.push_back(eq < 0 ? RecipientRow{row, QString()}
                                 : RecipientRow{row.left(eq), row.mid(eq + 1)});
        }
        list.clear();
        list.insertRecipients(0, std::move(all));
    }

    QStringList numbers() const
    {
        QStringList all;
        for (int i = 0; i < list.count(); ++i)
            all.append(list.at(i).Number);
        return all;
    }

    QStringList messages() const
    {
        QStringList all;
        for (int i = 0; i < list.count(); ++i)
            all.append(list.at(i).Message);
        return all;
    }

    NumberCheckOptions options(bool skipDuplicates, bool useExclusion) const
    {
        return {skipDuplicates, useExclusion, &exclusions};
    }

    RecipientList list;
    ExclusionSet exclusions;
    ScriptedPrompter prompter;
};
