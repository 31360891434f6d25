#pragma once

#include <QFont>

// The GNSS page sizes its texts in pixels, like its drawings, so that they
// keep their proportions at every scale.
class GnssFont {
public:
    static QFont ofPixels(int pixels, bool bold = false);
};
