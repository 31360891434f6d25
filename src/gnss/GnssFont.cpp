#include "gnss/GnssFont.h"

QFont GnssFont::ofPixels(int pixels, bool bold)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
