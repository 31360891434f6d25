#pragma once

#include <QPixmap>

class QLabel;
class QWidget;

// The program's pictures exist at their normal size and at twice that size
// ("@2x"). Icons pick the right one by themselves; a picture shown in a label
// is chosen here for the screen the label is on.
class Pictures {
public:
    static QPixmap ForWidget(const QString& path, const QWidget* widget);
    static void Show(QLabel* label, const QString& path);
};
