#include "gnss/cSkyPlot.h"

#include "gnss/GnssFont.h"
#include "gnss/SatelliteData.h"
#include "gnss/SkyGeometry.h"

#include <QCoreApplication>
#include <QMap>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

const int markRadius = 9;
const int markFontPixels = 10;
const int textFontPixels = 11;
const int margin = 16;
const QSize smallestSize(330, 350);
const int gridElevations[] = { 0, 30, 60 };

struct SignalBand {
    int lowest;
    QColor colour;
    const char* label;
};

// Strongest first; the last band takes every tracked satellite.
const SignalBand signalBands[] = {
    { 40, QColor(0, 160, 0), QT_TRANSLATE_NOOP("cSkyPlot", "40 and more") },
    { 30, QColor(150, 190, 0), "30\u201339" },
    { 20, QColor(235, 150, 0), "20\u201329" },
    { 0, QColor(215, 40, 40), QT_TRANSLATE_NOOP("cSkyPlot", "below 20") },
};
const QColor untrackedColour(150, 150, 150);

QColor colourOf(const SatelliteRecord& satellite)
{
    if (!satellite.tracked || satellite.snr <= 0) {
        return untrackedColour;
    }
    for (const SignalBand& band : signalBands) {
        if (satellite.snr >= band.lowest) {
            return band.colour;
        }
    }
    return untrackedColour;
}

// The one-letter system codes receivers and GNSS tools commonly use. GN
// satellites are told apart by their PRN only.
QString letterOf(const SatelliteRecord& satellite)
{
    switch (satellite.constellation) {
    case SatelliteRecord::ConstellationGlonass:
        return QStringLiteral("R");
    case SatelliteRecord::ConstellationGalileo:
        return QStringLiteral("E");
    case SatelliteRecord::ConstellationBeiDou:
        return QStringLiteral("C");
    case SatelliteRecord::ConstellationQzss:
        return QStringLiteral("J");
    default:
        return satellite.isSbas   ? QStringLiteral("S")
            : satellite.isGlonass ? QStringLiteral("R")
                                  : QStringLiteral("G");
    }
}

QString systemName(const QString& letter)
{
    static const QMap<QString, QString> names { { QStringLiteral("G"), QStringLiteral("GPS") },
        { QStringLiteral("R"), QStringLiteral("GLONASS") },
        { QStringLiteral("E"), QStringLiteral("Galileo") }, { QStringLiteral("C"), QStringLiteral("BeiDou") },
        { QStringLiteral("J"), QStringLiteral("QZSS") }, { QStringLiteral("S"), QStringLiteral("SBAS") } };
    return names.value(letter);
}

} // namespace

cSkyPlot::cSkyPlot(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAccessibleName(tr("Sky plot"));
}

QSize cSkyPlot::minimumSizeHint() const
{
    return smallestSize;
}

void cSkyPlot::setSatellites(const SatelliteData* satelliteData)
{
    m_satellites.clear();
    SatelliteRecord satellite;
    for (int i = 0; satelliteData && satelliteData->satelliteAt(i, satellite); ++i) {
        if (SkyGeometry::hasPosition(satellite)) {
            m_satellites.append(satellite);
        }
    }
    update();
}

QString cSkyPlot::selectionText() const
{
    for (const SatelliteRecord& satellite : m_satellites) {
        if (SatelliteKey(satellite.constellation, satellite.prn) == m_selected) {
            return describe(satellite);
        }
    }
    return QString();
}

QString cSkyPlot::describe(const SatelliteRecord& satellite) const
{
    const QString signal
        = satellite.tracked && satellite.snr > 0 ? tr("C/N0 %1 dB-Hz").arg(satellite.snr) : tr("no signal");
    return tr("%1 %2%3\nElevation %4\u00b0, azimuth %5\u00b0\n%6")
        .arg(systemName(letterOf(satellite)))
        .arg(satellite.prn)
        .arg(satellite.used ? tr(", used in the fix") : QString())
        .arg(satellite.elevation)
        .arg(satellite.azimuth)
        .arg(signal);
}

// The largest square above the legend, centred.
QRectF cSkyPlot::skyRect() const
{
    const double legendHeight = layoutLegend(nullptr, 0) + margin;
    const double side = qMax(0.0, qMin(width() - 2.0 * margin, height() - legendHeight - 2.0 * margin));
    return QRectF((width() - side) / 2, margin, side, side);
}

QPointF cSkyPlot::pointAt(int azimuth, int elevation) const
{
    const QRectF sky = skyRect();
    const QPointF disc = SkyGeometry::toDisc(azimuth, elevation);
    return sky.center() + QPointF(disc.x() * sky.width() / 2, disc.y() * sky.height() / 2);
}

int cSkyPlot::satelliteAt(const QPointF& position) const
{
    QVector<QPointF> points;
    for (const SatelliteRecord& satellite : m_satellites) {
        points.append(pointAt(satellite.azimuth, satellite.elevation));
    }
    return SkyGeometry::nearest(points, position, markRadius + 2);
}

void cSkyPlot::mouseMoveEvent(QMouseEvent* event)
{
    const int index = satelliteAt(event->localPos());
    if (index < 0) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(event->globalPos(), describe(m_satellites[index]), this);
}

void cSkyPlot::mousePressEvent(QMouseEvent* event)
{
    const int index = satelliteAt(event->localPos());
    m_selected = index < 0 ? SatelliteKey(-1, -1)
                           : SatelliteKey(m_satellites[index].constellation, m_satellites[index].prn);
    update();
}

void cSkyPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const QRectF sky = skyRect();
    drawGrid(painter, sky);
    for (const SatelliteRecord& satellite : m_satellites) {
        drawSatellite(painter, satellite);
    }
    const QString selection = selectionText();
    if (!selection.isEmpty()) {
        painter.setFont(GnssFont::ofPixels(textFontPixels, false));
        painter.setPen(Qt::black);
        painter.drawText(rect().adjusted(4, 2, -4, 0), Qt::AlignLeft | Qt::AlignTop, selection);
    }
    layoutLegend(&painter, sky.bottom() + margin);
}

// Rings at the horizon, 30 and 60 degrees, the north-south and east-west
// lines, and the cardinal points outside the horizon.
void cSkyPlot::drawGrid(QPainter& painter, const QRectF& sky) const
{
    painter.setPen(QPen(Qt::gray, 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (const int elevation : gridElevations) {
        const double radius = (90 - elevation) / 90.0 * sky.width() / 2;
        painter.drawEllipse(sky.center(), radius, radius);
    }
    painter.drawLine(QPointF(sky.center().x(), sky.top()), QPointF(sky.center().x(), sky.bottom()));
    painter.drawLine(QPointF(sky.left(), sky.center().y()), QPointF(sky.right(), sky.center().y()));
    painter.setPen(Qt::black);
    painter.setFont(GnssFont::ofPixels(textFontPixels, true));
    // The hemisphere letters of the position texts.
    const QString cardinals[] = { QCoreApplication::translate("GeoPosition", "N"),
        QCoreApplication::translate("GeoPosition", "E"), QCoreApplication::translate("GeoPosition", "S"),
        QCoreApplication::translate("GeoPosition", "W") };
    for (int i = 0; i < 4; ++i) {
        const QPointF disc = SkyGeometry::toDisc(i * 90, 0) * (sky.width() / 2 + margin / 2);
        const QRectF box(sky.center() + disc - QPointF(margin, margin) / 2, QSizeF(margin, margin));
        painter.drawText(box, Qt::AlignCenter, cardinals[i]);
    }
}

void cSkyPlot::drawSatellite(QPainter& painter, const SatelliteRecord& satellite) const
{
    const QPointF centre = pointAt(satellite.azimuth, satellite.elevation);
    const QColor colour = colourOf(satellite);
    const bool selected = SatelliteKey(satellite.constellation, satellite.prn) == m_selected;
    painter.setPen(QPen(selected ? QColor(Qt::black) : colour, selected ? 3 : 2));
    painter.setBrush(satellite.used ? colour : QColor(Qt::white));
    painter.drawEllipse(centre, markRadius, markRadius);
    painter.setPen(satellite.used ? QColor(Qt::white) : colour);
    painter.setFont(GnssFont::ofPixels(markFontPixels, true));
    const QRectF mark(centre - QPointF(markRadius, markRadius), QSizeF(2 * markRadius, 2 * markRadius));
    painter.drawText(mark, Qt::AlignCenter, letterOf(satellite));
    painter.setPen(Qt::black);
    painter.setFont(GnssFont::ofPixels(markFontPixels - 1, false));
    painter.drawText(centre + QPointF(markRadius + 1, markRadius), QString::number(satellite.prn));
}

// Under the sky: the C/N0 colours, the letters and the meaning of a filled
// mark, each group on a new line and wrapped to the width. Draws when given
// a painter; answers the height either way.
double cSkyPlot::layoutLegend(QPainter* painter, double top) const
{
    struct Entry {
        QColor swatch;
        QString text;
        bool newLine;
    };
    QVector<Entry> entries { { QColor(), tr("C/N0 [dB-Hz]:"), false } };
    for (const SignalBand& band : signalBands) {
        entries.append({ band.colour, tr(band.label), false });
    }
    entries.append({ untrackedColour, tr("none"), false });
    for (const char* letter : { "G", "R", "E", "C", "J", "S" }) {
        const QString code = QLatin1String(letter);
        entries.append({ QColor(), code + QLatin1Char(' ') + systemName(code), code == QLatin1String("G") });
    }
    entries.append({ QColor(), tr("Filled: used in the fix"), true });

    const QFont font = GnssFont::ofPixels(textFontPixels, false);
    const QFontMetrics metrics(font);
    const double swatch = metrics.height() * 0.7;
    const double left = margin / 2.0;
    const double right = width() - margin / 2.0;
    double x = left;
    double y = top;
    if (painter) {
        painter->setFont(font);
        painter->setPen(Qt::black);
    }
    for (const Entry& entry : entries) {
        const double entryWidth
            = (entry.swatch.isValid() ? swatch + 3 : 0) + metrics.horizontalAdvance(entry.text);
        if (entry.newLine || (x > left && x + entryWidth > right)) {
            x = left;
            y += metrics.lineSpacing();
        }
        if (painter && entry.swatch.isValid()) {
            painter->fillRect(QRectF(x, y + (metrics.height() - swatch) / 2, swatch, swatch), entry.swatch);
        }
        if (painter) {
            painter->drawText(
                QPointF(x + entryWidth - metrics.horizontalAdvance(entry.text), y + metrics.ascent()),
                entry.text);
        }
        x += entryWidth + 8;
    }
    return y + metrics.lineSpacing() - top;
}
