#include "gnss/cSignalHistoryPlot.h"

#include "gnss/GnssFont.h"
#include "gnss/SignalHistory.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const int fontPixels = 11;
const QSize smallestSize(500, 170);
const double maximumSnr = 60.0;
const int smallestUsedScale = 12;
// A multiple of three, so that the right scale has whole numbers at the
// left scale's ticks.
const int usedScaleStep = 6;
const int snrTicks[] = { 0, 20, 40, 60 };
const QColor snrColour(0, 90, 200);
const QColor usedColour(130, 130, 130);
// Room for the scale labels left and right, the title above and the time
// labels and legend below.
const QMarginsF plotMargins(34, 22, 34, 36);

} // namespace

cSignalHistoryPlot::cSignalHistoryPlot(const SignalHistory& history, QWidget* parent)
    : QWidget(parent)
    , m_history(history)
{
    setAccessibleName(tr("Signal over the last 10 minutes"));
}

QSize cSignalHistoryPlot::minimumSizeHint() const
{
    return smallestSize;
}

QRectF cSignalHistoryPlot::plotRect() const
{
    return QRectF(rect()).marginsRemoved(plotMargins);
}

void cSignalHistoryPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const QRectF area = plotRect();
    int mostUsed = 0;
    for (const SignalHistory::Sample& sample : m_history.samples()) {
        mostUsed = std::max(mostUsed, sample.used);
    }
    const int usedScale
        = std::max(smallestUsedScale, (mostUsed + usedScaleStep - 1) / usedScaleStep * usedScaleStep);
    drawScales(painter, area, usedScale);
    drawCurves(painter, area, usedScale);
    drawLegend(painter, area);
}

void cSignalHistoryPlot::drawScales(QPainter& painter, const QRectF& area, int usedScale) const
{
    painter.setFont(GnssFont::ofPixels(fontPixels, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, width(), plotMargins.top()), Qt::AlignCenter, accessibleName());
    painter.setFont(GnssFont::ofPixels(fontPixels));
    const QFontMetricsF metrics(painter.font());
    for (const int snr : snrTicks) {
        const double y = area.bottom() - snr / maximumSnr * area.height();
        painter.setPen(QPen(Qt::lightGray, 0, Qt::DotLine));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(snrColour);
        painter.drawText(QRectF(0, y - metrics.height() / 2, area.left() - 4, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(snr));
        painter.setPen(usedColour);
        painter.drawText(
            QRectF(area.right() + 4, y - metrics.height() / 2, plotMargins.right(), metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, QString::number(usedScale * snr / int(maximumSnr)));
    }
    painter.setPen(Qt::black);
    painter.drawRect(area);
    const double timeTop = area.bottom() + 2;
    painter.drawText(
        QRectF(area.left(), timeTop, area.width(), metrics.height()), Qt::AlignLeft, tr("10 min ago"));
    painter.drawText(
        QRectF(area.left(), timeTop, area.width(), metrics.height()), Qt::AlignHCenter, tr("5 min ago"));
    painter.drawText(QRectF(area.left(), timeTop, area.width(), metrics.height()), Qt::AlignRight, tr("now"));
}

void cSignalHistoryPlot::drawCurves(QPainter& painter, const QRectF& area, int usedScale) const
{
    const std::deque<SignalHistory::Sample>& samples = m_history.samples();
    if (samples.empty()) {
        return;
    }
    const qint64 newest = samples.back().timeMs;
    const auto xOf = [&](qint64 timeMs) {
        return area.right() - double(newest - timeMs) / SignalHistory::WindowMs * area.width();
    };
    QPainterPath snr;
    QPainterPath used;
    for (const SignalHistory::Sample& sample : samples) {
        const QPointF snrPoint(
            xOf(sample.timeMs), area.bottom() - sample.strongestSnr / maximumSnr * area.height());
        const double usedY = area.bottom() - double(sample.used) / usedScale * area.height();
        if (snr.elementCount() == 0) {
            snr.moveTo(snrPoint);
            used.moveTo(snrPoint.x(), usedY);
        } else {
            snr.lineTo(snrPoint);
            used.lineTo(snrPoint.x(), used.currentPosition().y());
            used.lineTo(snrPoint.x(), usedY);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(usedColour, 2));
    painter.drawPath(used);
    painter.setPen(QPen(snrColour, 2));
    painter.drawPath(snr);
}

void cSignalHistoryPlot::drawLegend(QPainter& painter, const QRectF& area) const
{
    const QFontMetricsF metrics(painter.font());
    const double y = area.bottom() + 2 + metrics.lineSpacing();
    double x = area.left();
    const std::pair<QColor, QString> entries[]
        = { { snrColour, tr("Mean C/N0 of the four strongest [dB-Hz], left") },
              { usedColour, tr("Satellites used, right") } };
    for (const auto& entry : entries) {
        painter.fillRect(QRectF(x, y + metrics.height() / 2 - 1, 14, 3), entry.first);
        x += 18;
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x, y + metrics.ascent()), entry.second);
        x += metrics.horizontalAdvance(entry.second) + 16;
    }
}
