#pragma once

#include "RecipientFixture.h"
#include "recipients/ExcelColumnChoice.h"
#include "recipients/ImportFromFile.h"
#include "recipients/RecipientBatch.h"
#include "support/WorkbookFixture.h"

#include <QFile>
#include <QTemporaryDir>

// Runs the reading inline and makes the choices a user would.
class ScriptedImportWindow : public ImportWindow
{
public:
    QString path;          // empty: the chooser is cancelled
    int sheet = 0;         // chosen in the sheet dialog
    std::vector<int> tick; // columns ticked, from 0; empty: the dialog is cancelled
    bool listEmptiedBeforeChoice = false;
    const RecipientList* list = nullptr;
    int readings = 0;

    QString chooseFile(const QString&) override { return path; }
    bool chooseColumns(ExcelColumnChoice& choice) override
    {
        if (list)
            listEmptiedBeforeChoice = list->isEmpty();
        if (tick.empty() || choice.chooseSheet(sheet))
            return false;
        for (int column : tick)
            choice.setTicked(column, true);
        return !choice.accept();
    }
    void runReading(const std::function<void()>& work, const RecipientBatch&) override
    {
        ++readings;
        work();
    }
};

class ImportFixture : public RecipientFixture
{
protected:
    QString file(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }

    QString workbook(const QString& name, std::vector<std::vector<QVariant>> rows)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(WriteWorkbook(path, {FixtureSheet{"Sheet1", std::move(rows)}}));
        return path;
    }

    QTemporaryDir dir;
};
