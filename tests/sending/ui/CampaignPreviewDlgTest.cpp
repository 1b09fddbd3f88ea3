#include "sending/ui/CampaignPreviewDlg.h"

#include "recipients/RecipientList.h"
#include "stores/DataFolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class CampaignPreviewDlgTest : public ::testing::Test
{
protected:
    CampaignPreviewDlgTest()
    {
        list.insertRecipients(0, {{"+447700900001", QStringLiteral("x").repeated(100) + "\u2019s"},
                                  {"+447700900002", "plain"}});
        // Text mode sends the GSM rows in GSM whatever the Unicode option says.
        settings.unicode = true;
        settings.modems = {{QStringLiteral("COM1 - modem"), 2}};
    }

    template <class T> T* child(const CampaignPreviewDlg& dialog, const char* name)
    {
        auto* found = dialog.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            ADD_FAILURE() << "no " << name;
        return found;
    }

    QTemporaryDir base;
    DataFolder folder{base.path()};
    PreviewChoiceStore store{folder};
    RecipientList list;
    PreviewSettings settings;
};

} // namespace

TEST_F(CampaignPreviewDlgTest, ShowsTheFiguresAndKeepsThePriceAndTheChoice)
{
    CampaignPreviewDlg dialog(list, settings, store, true);
    dialog.show();
    const QString summary = child<QLabel>(dialog, "previewSummary")->text();
    EXPECT_TRUE(summary.startsWith("Rows: 2\nSMS parts: 3 (GSM 7-bit: 1, UCS2: 2)\n"))
        << summary.toStdString();
    EXPECT_FALSE(summary.contains("Estimated cost")) << "no price yet";
    EXPECT_TRUE(summary.contains("UCS2 because of a few characters: 1 rows (1): \u2019"));

    QLineEdit* price = child<QLineEdit>(dialog, "pricePerPart");
    price->setText("0.05");
    EXPECT_TRUE(child<QLabel>(dialog, "previewSummary")
                    ->text()
                    .contains("Estimated cost: 0.15 (0.05 per part)"));
    emit price->editingFinished();
    child<QCheckBox>(dialog, "dontShowAgain")->setChecked(true);
    EXPECT_EQ(store.load(), (PreviewChoices{0.05, false}));

    // A window opened later starts from what was kept.
    const CampaignPreviewDlg again(list, settings, store, false);
    EXPECT_EQ(child<QLineEdit>(again, "pricePerPart")->text(), "0.05");
    EXPECT_TRUE(child<QCheckBox>(again, "dontShowAgain")->isChecked());
    EXPECT_NE(child<QPushButton>(again, "closeButton"), nullptr);
}

TEST_F(CampaignPreviewDlgTest, ReplacingLookalikesSavesPartsAndChangesNothingElse)
{
    CampaignPreviewDlg dialog(list, settings, store, true);
    QPushButton* replace = child<QPushButton>(dialog, "replaceLookalikesButton");
    ASSERT_TRUE(replace->isEnabled());
    replace->click();
    EXPECT_EQ(dialog.replacementText(), "Replaced in 1 rows: 1 parts fewer");
    EXPECT_EQ(list.at(0).Message, QStringLiteral("x").repeated(100) + "'s");
    EXPECT_EQ(list.at(1).Message, "plain");
    EXPECT_EQ(dialog.preview().parts, 2);
    EXPECT_FALSE(replace->isEnabled()) << "nothing left to replace";
}

TEST_F(CampaignPreviewDlgTest, AsASendStepContinueGoesOnAndCancelStops)
{
    for (const char* name : {"continueButton", "cancelButton"}) {
        CampaignPreviewDlg dialog(list, settings, store, true);
        QTimer::singleShot(0, &dialog, [&] { child<QPushButton>(dialog, name)->click(); });
        EXPECT_EQ(dialog.exec(),
                  QString(name) == "continueButton" ? QDialog::Accepted : QDialog::Rejected);
    }
}

TEST_F(CampaignPreviewDlgTest, ALongListIsCountedOffTheUiThread)
{
    std::vector<RecipientRow> rows(25000, RecipientRow{"+447700900003", "hi"});
    list.insertRecipients(0, std::move(rows));
    QWidget parent;
    const CampaignPreviewDlg dialog(list, settings, store, true, &parent);
    EXPECT_EQ(dialog.preview().rows, 25002);
    EXPECT_EQ(dialog.preview().parts, 25003);
    EXPECT_TRUE(parent.isEnabled()) << "enabled again after the count";
}

TEST_F(CampaignPreviewDlgTest, TheReplacementCanKeepToTheSelectedRows)
{
    list.insertRecipient(2, {"+447700900004", QStringLiteral("y").repeated(100) + "\u2019s"});
    CampaignPreviewDlg dialog(list, settings, store, false);
    auto* selectedOnly = child<QCheckBox>(dialog, "selectedRowsOnly");
    EXPECT_TRUE(selectedOnly->isHidden()) << "nothing selected";
    dialog.setSelectedRows({2});
    EXPECT_FALSE(selectedOnly->isHidden());
    EXPECT_EQ(selectedOnly->text(), "Only the selected rows (1)");
    selectedOnly->setChecked(true);
    child<QPushButton>(dialog, "replaceLookalikesButton")->click();
    EXPECT_EQ(list.at(2).Message, QStringLiteral("y").repeated(100) + "'s");
    EXPECT_EQ(list.at(0).Message, QStringLiteral("x").repeated(100) + "\u2019s") << "not selected";
    EXPECT_EQ(dialog.replacementText(), "Replaced in 1 rows: 1 parts fewer");
}
