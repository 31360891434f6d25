#pragma once

#include <QString>

class QFileInfo;

// The firmware images shipped beside the program. Their names carry a
// product family and a version of three two-digit parts, for example
// 050200_01_10_00.img; for each family only the highest version counts.
class UpdateImages {
public:
    struct Image {
        bool present = false;
        QString version; // dotted, e.g. 050200.01.10.00
        QString path;
    };

    // The "AISImage" folder under the program's own folder.
    static QString DefaultFolder();

    // Forgets earlier results and scans the "*.img" files of the folder;
    // a missing folder leaves both families absent.
    void Scan(const QString& folder);
    // Family "160200" when true, "050200" when false.
    const Image& Newest(bool family160200) const;

private:
    void Consider(const QFileInfo& file);

    Image images[2]; // indexed by "is family 160200"
};
