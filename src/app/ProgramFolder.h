#pragma once

#include <QString>

// The folder of the running executable: its path up to, not including, the last separator;
// a path without one gives a single separator.
QString ProgramFolderOf(const QString& executablePath);

// The prefix an installed program runs from: for a program folder "<prefix>/bin" whose
// "<prefix>/share/applications" holds Quillon's desktop entry, "<prefix>"; otherwise empty.
QString InstallPrefixOf(const QString& programFolder);

// The HTML user guide: under the prefix's doc folder for an installed program, in "doc/guide"
// beside the program otherwise (the build copies it there).
QString UserGuidePathOf(const QString& programFolder);

// The folder that holds QUILLON_DATA. QUILLON_HOME (when given) wins; otherwise the program
// folder, unless the program is installed (see InstallPrefixOf) or its data folder can be
// neither created nor written, in which case the per-user data location serves.
QString ChooseBaseDirectory(const QString& programFolder, const QString& quillonHome,
                            const QString& userDataLocation);
