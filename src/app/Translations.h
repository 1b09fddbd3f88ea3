#pragma once

#include <QString>

class QCoreApplication;

// The folder of the compiled translations (quillon_<locale>.qm): under the prefix's share folder
// for an installed program, "translations" beside the program otherwise.
QString TranslationsFolderOf(const QString& programFolder);

// Loads Qt's own and Quillon's translation for the system locale, when there is one; without
// one the texts stay as written. The translators belong to application.
void InstallTranslations(QCoreApplication& application, const QString& programFolder);
