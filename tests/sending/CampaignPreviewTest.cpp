#include "sending/CampaignPreview.h"

#include "recipients/RecipientList.h"

#include <gtest/gtest.h>

namespace {

const QString Mobile = QStringLiteral("+441234567890");

QString a(int count)
{
    return QStringLiteral("a").repeated(count);
}

std::vector<RecipientRow> rowsOf(const QStringList& messages)
{
    std::vector<RecipientRow> rows;
    for (const QString& message : messages)
        rows.push_back({Mobile, message});
    return rows;
}

CampaignPreview previewOf(const std::vector<RecipientRow>& rows, const PreviewSettings& settings)
{
    return previewCampaign(
        static_cast<int>(rows.size()),
        [&rows](int i) -> const RecipientRow& { return rows[static_cast<std::size_t>(i)]; },
        settings);
}

PreviewSettings settingsWith(QList<PreviewModem> modems, bool unicode = false)
{
    PreviewSettings settings;
    settings.unicode = unicode;
    settings.modems = std::move(modems);
    return settings;
}

} // namespace

TEST(CampaignPreviewTest, CountsPartsByEncodingAndRowsByPartCount)
{
    const auto rows = rowsOf({QStringLiteral("hello"), a(161), a(305), QStringLiteral("h\u00E9llo"),
                              QStringLiteral("\u4E2D\u6587"), a(152 * 255 + 1)});
    const PreviewModem pdu{QStringLiteral("COM1 - PDU"), 1};
    const PreviewModem text{QStringLiteral("COM2 - text"), 2};

    // PDU mode with the Unicode option on sends every row as UCS2.
    const CampaignPreview unicode = previewOf(rows, settingsWith({pdu}, true));
    EXPECT_EQ(unicode.rows, 6);
    EXPECT_EQ(unicode.tooLongRows, 1);
    EXPECT_EQ(unicode.gsmParts, 0);
    EXPECT_EQ(unicode.ucs2Parts, 1 + 3 + 5 + 1 + 1);
    EXPECT_EQ(unicode.parts, unicode.ucs2Parts);
    EXPECT_EQ(unicode.rowsByParts, (std::map<int, int>{{1, 3}, {3, 1}, {5, 1}}));

    // Text mode keeps the GSM rows in GSM, and slices a long row 150 characters at a time.
    const CampaignPreview textMode = previewOf(rows, settingsWith({text}, true));
    EXPECT_EQ(textMode.gsmParts, 1 + 2 + 3 + 1 + 259);
    EXPECT_EQ(textMode.ucs2Parts, 1);
    EXPECT_EQ(textMode.tooLongRows, 0);

    // Without the option the Chinese row goes as GSM question marks.
    const CampaignPreview gsm = previewOf(rows, settingsWith({pdu}));
    EXPECT_EQ(gsm.gsmParts, 1 + 2 + 3 + 1 + 1);
    EXPECT_EQ(gsm.ucs2Parts, 0);
    ASSERT_EQ(gsm.modems.size(), 1);
    EXPECT_EQ(gsm.modems.front().rows, 6);
    EXPECT_EQ(gsm.modems.front().parts, gsm.parts);
}

TEST(CampaignPreviewTest, ModemsShareRowsWithinTheirQuotas)
{
    const auto rows = rowsOf(QStringList(5, QStringLiteral("hi")));
    const PreviewModem capped{QStringLiteral("COM1 - a"), 1, 2};
    const PreviewModem open{QStringLiteral("COM2 - b"), 1};
    const CampaignPreview shared = previewOf(rows, settingsWith({capped, open}));
    ASSERT_EQ(shared.modems.size(), 2);
    EXPECT_EQ(shared.modems[0].rows, 2);
    EXPECT_EQ(shared.modems[1].rows, 3);
    EXPECT_EQ(shared.unsentRows, 0);
    EXPECT_EQ(shared.estimatedMs, 3 * messageBusyMs(1, 1, false));

    const PreviewModem one{QStringLiteral("COM2 - b"), 1, 1};
    const CampaignPreview short_ = previewOf(rows, settingsWith({capped, one}));
    EXPECT_EQ(short_.unsentRows, 2);
    EXPECT_EQ(short_.parts, 3);

    // A slow text-mode modem takes fewer rows than a PDU one beside it.
    const PreviewModem text{QStringLiteral("COM3 - c"), 2};
    const CampaignPreview mixed =
        previewOf(rowsOf(QStringList(30, QStringLiteral("hi"))), settingsWith({open, text}));
    EXPECT_EQ(mixed.modems[0].rows, 20);
    EXPECT_EQ(mixed.modems[1].rows, 10);
}

TEST(CampaignPreviewTest, TimeFollowsThePaceAndThePauses)
{
    EXPECT_EQ(messageBusyMs(1, 1, false), 2000);
    EXPECT_EQ(messageBusyMs(2, 1, false), 2 * (2000 + 2000));
    EXPECT_EQ(messageBusyMs(1, 2, false), 4000);
    EXPECT_EQ(messageBusyMs(1, 1, true), EstimatedAnswerMs);
    EXPECT_EQ(messageBusyMs(3, 2, true), 3 * (EstimatedAnswerMs + 100));

    const auto rows = rowsOf(QStringList(7, QStringLiteral("hi")));
    PreviewSettings settings;
    settings.pacing = {false, 3, 60000};
    const CampaignPreview paused = previewOf(rows, settings);
    EXPECT_EQ(paused.pauses, 2) << "after rows 3 and 6, none after the last";
    EXPECT_EQ(paused.estimatedMs, 7 * 2000 + 2 * 60000);
    settings.pacing = {false, 7, 60000};
    EXPECT_EQ(previewOf(rows, settings).pauses, 0);
    EXPECT_EQ(previewOf({}, settings).estimatedMs, 0);
    EXPECT_EQ(durationText(3723000), QStringLiteral("1 h 02 min"));
    EXPECT_EQ(durationText(185000), QStringLiteral("3 min 05 s"));
    EXPECT_EQ(durationText(11001), QStringLiteral("12 s"));
}

TEST(CampaignPreviewTest, LooksAlikeRowsAndTheirReplacement)
{
    RecipientList list;
    list.insertRecipients(0,
                          rowsOf({a(100) + QStringLiteral("\u2019s"),
                                  QStringLiteral("\u201CHi\u201D \u2013 see you\u2026"),
                                  QStringLiteral("\u4E2D \u201Cx\u201D"), QStringLiteral("plain"),
                                  QStringLiteral("caf\u00E9 \U0001F600")}));
    const PreviewModem text{QStringLiteral("COM1 - text"), 2};
    const CampaignPreview before = previewCampaign(list, settingsWith({text}, true));
    const LookalikeRows& found = before.lookalikes;
    EXPECT_EQ(found.rows, (QList<int>{0, 1}));
    EXPECT_EQ(found.characters, (QStringList{QStringLiteral("\u2019"), QStringLiteral("\u201C"),
                                             QStringLiteral("\u201D"), QStringLiteral("\u2013"),
                                             QStringLiteral("\u2026")}));
    EXPECT_EQ(found.ucs2Parts, 2 + 1);
    EXPECT_EQ(found.gsmParts, 1 + 1);
    EXPECT_EQ(found.saved(), 1);

    const RecipientRow untouched = list.at(2);
    EXPECT_EQ(replaceLookalikeCharacters(list, {0, 1, 2, 3, 4, 99}), 2);
    EXPECT_EQ(list.at(0).Message, a(100) + QStringLiteral("'s"));
    EXPECT_EQ(list.at(1).Message, QStringLiteral("\"Hi\" - see you..."));
    EXPECT_EQ(list.at(2), untouched);
    EXPECT_EQ(list.at(3).Message, QStringLiteral("plain"));
    EXPECT_EQ(list.at(4).Message, QStringLiteral("caf\u00E9 \U0001F600"));
    const CampaignPreview after = previewCampaign(list, settingsWith({text}, true));
    EXPECT_TRUE(after.lookalikes.rows.isEmpty());
    EXPECT_EQ(before.parts - after.parts, found.saved());
}

TEST(CampaignPreviewTest, ARowTheNationalTablesCarryIsNoLookalikeRow)
{
    PreviewSettings settings = settingsWith({PreviewModem{QStringLiteral("COM1 - pdu"), 1}}, true);
    settings.nationalLanguages = true;
    // 96 characters: two parts in UCS2, one with the Turkish tables.
    const CampaignPreview preview =
        previewOf(rowsOf({QStringLiteral("Te\u015Fekk\u00FCrler ").repeated(8),
                          QStringLiteral("\u201CHi\u201D")}),
                  settings);
    EXPECT_EQ(preview.gsmParts, 1);
    EXPECT_EQ(preview.ucs2Parts, 1);
    EXPECT_EQ(preview.lookalikes.rows, QList<int>{1});
}

TEST(CampaignPreviewTest, LinesShowTheFigures)
{
    RecipientList list;
    list.insertRecipients(0, rowsOf({a(161), QStringLiteral("\u201Chi\u201D")}));
    const QStringList lines = previewLines(
        previewCampaign(list, settingsWith({{QStringLiteral("COM4 - m"), 2}}, true)), 0.05);
    EXPECT_EQ(lines,
              (QStringList{
                  QStringLiteral("Rows: 2"),
                  QStringLiteral("SMS parts: 3 (GSM 7-bit: 2, UCS2: 1)"),
                  QStringLiteral("Rows by parts: 1 with 1 parts, 1 with 2 parts"),
                  QStringLiteral("COM4 - m: 2 rows, 3 parts"),
                  QStringLiteral("Estimated time: 16 s (0 pauses)"),
                  QStringLiteral("Estimated cost: 0.15 (0.05 per part)"),
                  QStringLiteral("UCS2 because of a few characters: 1 rows (2): \u201C \u201D"),
                  QStringLiteral("\"Replace look-alike characters\" saves 0 parts"),
              }));
}
