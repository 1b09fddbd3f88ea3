#pragma once

#include <QString>

// The folder of the running executable: its path up to, not including, the last separator;
// a path without one gives a single separator.
QString ProgramFolderOf(const QString& executablePath);

// The folder that holds QUILLON_DATA. QUILLON_HOME (when given) wins; otherwise the program
// folder, unless its data folder can be neither created nor written (an installed program),
// in which case the per-user data location serves.
QString ChooseBaseDirectory(const QString& programFolder, const QString& quillonHome,
                            const QString& userDataLocation);
