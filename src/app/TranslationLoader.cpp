#include "app/TranslationLoader.h"

#include "app/InstallLayout.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void TranslationLoader::Install(QCoreApplication& application)
{
    const QStringList folders = InstallLayout::TranslationFolders(QCoreApplication::applicationDirPath());
    for (const QString& folder : folders) {
        if (Load(application, QStringLiteral("velmora"), folder))
            break;
    }
    Load(application, QStringLiteral("qtbase"), QLibraryInfo::location(QLibraryInfo::TranslationsPath));
}

bool TranslationLoader::Load(QCoreApplication& application, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder, QStringLiteral(".qm"))) {
        application.installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}
