#pragma once

#include <QString>
#include <QStringList>

// Where velmora finds the updater, the firmware images and the translations. In the build folder
// and in an unpacked archive both lie in "AISImage" beside the program; an
// installed velmora finds the updater in its private program folder and the
// images in the shared data folder, and the user may add images in a data
// folder of their own, so nothing is ever written to system folders.
class InstallLayout {
public:
    // "AISImage/Flashwell" beside the program when it is there, else the
    // installed updater.
    static QString UpdaterProgram(const QString& programFolder);
    // The folders to scan for images, first the one beside the program, then
    // the installed data folder, then "AISImage" in userDataFolder.
    static QStringList ImageFolders(const QString& programFolder, const QString& userDataFolder);
    // The folders to look for translations in. An installed program or
    // updater takes only the installed translations, so that a file lying
    // in the working folder cannot change its texts; a program without them
    // (in its build folder) looks in the working folder, its own and the one
    // above it (the updater's folder lies below the configuration program).
    static QStringList TranslationFolders(const QString& programFolder);
};
