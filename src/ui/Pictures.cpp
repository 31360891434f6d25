#include "ui/Pictures.h"

#include <QLabel>

QPixmap Pictures::ForWidget(const QString& path, const QWidget* widget)
{
    const qreal ratio = widget->devicePixelRatioF();
    if (ratio > 1.0) {
        QString sharp = path;
        sharp.insert(sharp.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        QPixmap pixmap(sharp);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(path);
}

void Pictures::Show(QLabel* label, const QString& path)
{
    label->setPixmap(ForWidget(path, label));
}
