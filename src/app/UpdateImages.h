#pragma once

#include <QString>
#include <QStringList>

class QFileInfo;

// The firmware images shipped with the program. Their names carry a
// product family and a version of three two-digit parts, for example
// 050200_01_10_00.img; for each family only the highest version counts.
class UpdateImages {
public:
    struct Image {
        bool present = false;
        QString version; // dotted, e.g. 050200.01.10.00
        QString path;
    };

    // Beside the program, in the installed data folder and in the user's
    // data folder (see InstallLayout).
    static QStringList DefaultFolders();

    // Forgets earlier results and scans the "*.img" files of the folders;
    // missing folders hold no images. Of two images with the same version
    // the one in the earlier folder counts.
    void Scan(const QStringList& folders);
    // Family "160200" when true, "050200" when false.
    const Image& Newest(bool family160200) const;
    // The dotted version (family first) that an image's file name carries;
    // empty when it carries none.
    static QString VersionInName(const QString& fileName);

private:
    void Consider(const QFileInfo& file);

    Image images[2]; // indexed by "is family 160200"
};
