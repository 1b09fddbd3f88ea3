#include "stores/ui/ExclusionSetLoader.h"

#include "stores/DataFolder.h"
#include "stores/ExclusionSet.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

TEST(ExclusionSetLoaderTest, LoadsBehindTheWaitPopupOnlyWhileTicked)
{
    QTemporaryDir dir;
    DataFolder data(dir.path());
    data.EnsureDataFolder();
    WriteBytes(data.exclusionListPath("Staff"), Utf16Bytes("0700\n"));
    WriteBytes(data.appExclusionPath(), Utf16Bytes("Staff\n"));
    QWidget window;
    window.show();
    ExclusionSet set;
    ScriptedPrompter prompter;

    EXPECT_FALSE(LoadExclusionSetWithWait(&window, set, false, data, prompter));
    EXPECT_TRUE(set.isEmpty());
    EXPECT_TRUE(LoadExclusionSetWithWait(&window, set, true, data, prompter));
    EXPECT_TRUE(set.IsExcluded("0700"));
    EXPECT_TRUE(window.isEnabled());
    EXPECT_TRUE(prompter.shown().isEmpty());
}
