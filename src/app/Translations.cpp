#include "app/Translations.h"

#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString TranslationsFolderOf(const QString& programFolder)
{
    const QString prefix = InstallPrefixOf(programFolder);
    return prefix.isEmpty() ? programFolder + QStringLiteral("/translations")
                            : prefix + QStringLiteral("/share/quillon/translations");
}

namespace {

void installOne(QCoreApplication& application, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void InstallTranslations(QCoreApplication& application, const QString& programFolder)
{
    installOne(application, QStringLiteral("qtbase"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installOne(application, QStringLiteral("quillon"), TranslationsFolderOf(programFolder));
}
