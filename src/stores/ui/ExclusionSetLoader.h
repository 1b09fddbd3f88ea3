#pragma once

class DataFolder;
class ExclusionSet;
class Prompter;
class QWidget;

// LoadExclusionSet for windows: the files are read as a background job while the window is
// disabled and the wait pop-up shows; the set is replaced on the UI thread afterwards. Returns
// when the set is in place. Does nothing unless "Use Exclusion Rules" is ticked.
bool LoadExclusionSetWithWait(QWidget* window, ExclusionSet& set, bool useExclusionRules,
                              const DataFolder& folder, Prompter& prompter);
