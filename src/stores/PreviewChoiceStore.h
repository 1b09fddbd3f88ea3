#pragma once

#include "base/FileError.h"

#include <QString>

class DataFolder;

// What the user chose in the campaign preview, kept between runs: the price of one SMS part
// and whether the preview is still shown when Send is pressed.
struct PreviewChoices
{
    double pricePerPart = 0; // 0: no price entered
    bool showOnSend = true;  // false after "Don't show again"

    bool operator==(const PreviewChoices&) const = default;
};

// The file of those choices in the data folder, one "name;value" record a line.
class PreviewChoiceStore
{
public:
    explicit PreviewChoiceStore(const DataFolder& folder);

    // The defaults for a file that is missing or a record that cannot be read.
    PreviewChoices load() const;
    bool save(const PreviewChoices& choices, FileError* error = nullptr) const;

    QString path() const;

private:
    const DataFolder& m_folder;
};
