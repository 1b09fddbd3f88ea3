#pragma once

#include "modem/MessageCount.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>

struct RecipientRow;
class RecipientList;

// What a campaign will take before it is sent: its SMS parts counted with the senders' own
// rules, how the chosen modems share them, how long that takes at the pace in force and what
// it costs.

// One chosen modem as the workers will run it.
struct PreviewModem
{
    QString label;       // "COM3 - ..."
    int messageMode = 1; // 1 PDU mode, 2 text mode
    int quota = -1;      // the most messages it sends ("Manual" quota); -1: no limit
};

// The pace of the workers: the designed waits (or none when sending as fast as each modem
// answers) and "Pause every" N "for" T when "Delayed Delivery Option" is on.
struct PreviewPacing
{
    bool fast = false;
    int pauseEvery = 0;          // 0: no pauses
    std::int64_t pauseForMs = 0; // the length of each pause
};

struct PreviewSettings
{
    bool unicode = false;           // "Enable non-English (Unicode) characters support"
    bool nationalLanguages = false; // "Use national language tables where they save parts"
    PreviewPacing pacing;
    QList<PreviewModem> modems; // empty: one modem in PDU mode without a quota
};

struct ModemShare
{
    QString label;
    int rows = 0;
    std::int64_t parts = 0;
    std::int64_t busyMs = 0; // submitting, pauses not included
};

// The rows that go as UCS2 only because of characters the look-alike table replaces.
struct LookalikeRows
{
    QList<int> rows;
    QStringList characters;     // distinct, in order of first appearance
    std::int64_t ucs2Parts = 0; // these rows as written, in UCS2
    std::int64_t gsmParts = 0;  // with the characters replaced, in GSM
    std::int64_t saved() const { return ucs2Parts - gsmParts; }
};

struct CampaignPreview
{
    int rows = 0;
    std::int64_t parts = 0;
    std::int64_t gsmParts = 0;
    std::int64_t ucs2Parts = 0;
    std::map<int, int> rowsByParts; // part count -> rows taking that many
    int tooLongRows = 0;            // more parts than PDU mode can send: these rows fail
    QList<ModemShare> modems;
    int unsentRows = 0; // beyond every modem's quota
    int pauses = 0;
    std::int64_t estimatedMs = 0; // from the first submission to the last answer
    LookalikeRows lookalikes;

    double cost(double pricePerPart) const { return static_cast<double>(parts) * pricePerPart; }
};

// The time a modem takes to answer a submission; waits not designed are estimated with it.
constexpr std::int64_t EstimatedAnswerMs = 1500;

// The preview of rowCount rows, row i given by rowAt(i). Rows go to the modem that is free
// first, as the workers claim them, within each modem's quota.
CampaignPreview previewCampaign(int rowCount, const std::function<const RecipientRow&(int)>& rowAt,
                                const PreviewSettings& settings);
CampaignPreview previewCampaign(const RecipientList& list, const PreviewSettings& settings);

// The time one message of parts parts keeps a modem busy at the pace given.
std::int64_t messageBusyMs(int parts, int messageMode, bool fast);

// Replaces the look-alike characters in the rows' messages (those that then go whole in the
// GSM alphabet) and nothing else; returns how many rows changed.
int replaceLookalikeCharacters(RecipientList& list, const QList<int>& rows);

// The preview as lines of text, for the command line and the preview window's summary.
QStringList previewLines(const CampaignPreview& preview, double pricePerPart);

// "1 h 02 min", "3 min 05 s", "12 s".
QString durationText(std::int64_t milliseconds);
