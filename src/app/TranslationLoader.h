#pragma once

class QCoreApplication;
class QString;

// Puts the programs' texts and Qt's own (standard buttons and dialogs) into
// the system's language. A language without a translation keeps the
// built-in English texts.
class TranslationLoader {
public:
    // Looks for "velmora_<language>.qm" in InstallLayout's translation
    // folders.
    static void Install(QCoreApplication& application);

private:
    static bool Load(QCoreApplication& application, const QString& name, const QString& folder);
};
