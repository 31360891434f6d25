#include "gnss/cHistogramItem.h"

#include <QPainter>

#include <qwt_painter.h>
#include <qwt_scale_map.h>

#include <algorithm>

namespace {

const int edgeWidth = 2;
const int shadeFactor = 125;
const double barZ = 20.0;

} // namespace

cHistogramItem::cHistogramItem(const QString& title)
    : QwtPlotItem(QwtText(title))
{
    setItemAttribute(QwtPlotItem::Legend, true);
    setItemAttribute(QwtPlotItem::AutoScale, true);
    setZ(barZ);
}

void cHistogramItem::setData(const QVector<QwtIntervalSample>& data)
{
    m_data = data;
    itemChanged();
}

void cHistogramItem::setColor(const QColor& color)
{
    if (m_color != color) {
        m_color = color;
        itemChanged();
    }
}

void cHistogramItem::setBaseline(double baseline)
{
    if (m_baseline != baseline) {
        m_baseline = baseline;
        itemChanged();
    }
}

QRectF cHistogramItem::boundingRect() const
{
    if (m_data.isEmpty()) {
        return QRectF(1.0, 1.0, -2.0, -2.0);
    }
    double left = m_data.first().interval.minValue();
    double right = m_data.first().interval.maxValue();
    double bottom = m_baseline;
    double top = m_baseline;
    for (const QwtIntervalSample& sample : m_data) {
        left = std::min(left, sample.interval.minValue());
        right = std::max(right, sample.interval.maxValue());
        bottom = std::min(bottom, sample.value);
        top = std::max(top, sample.value);
    }
    return QRectF(left, bottom, right - left, top - bottom);
}

void cHistogramItem::draw(
    QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap, const QRectF&) const
{
    const int baseline = qRound(yMap.transform(m_baseline));
    for (const QwtIntervalSample& sample : m_data) {
        // The left edge moves in by a pixel so that a bar never paints over
        // the right edge of its neighbour.
        const int left = qRound(xMap.transform(sample.interval.minValue())) + 1;
        const int right = qRound(xMap.transform(sample.interval.maxValue()));
        const int top = qRound(yMap.transform(sample.value));
        const QRect bar = QRect(QPoint(left, top), QPoint(right, baseline)).normalized();
        if (top != baseline && bar.width() > 0) {
            drawBar(painter, bar);
        }
    }
}

// A filled bar with a light top and left edge and a dark bottom and right
// edge, each two pixels wide, so that it looks raised.
void cHistogramItem::drawBar(QPainter* painter, const QRect& bar) const
{
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_color);
    QwtPainter::drawRect(painter, bar);

    const QColor light = m_color.lighter(shadeFactor);
    const QColor dark = m_color.darker(shadeFactor);
    painter->setBrush(Qt::NoBrush);
    for (int i = 0; i < std::min(edgeWidth, std::min(bar.width(), bar.height())); ++i) {
        painter->setPen(QPen(light, 0));
        QwtPainter::drawLine(painter, bar.left() + i, bar.top() + i, bar.right() - i, bar.top() + i);
        QwtPainter::drawLine(painter, bar.left() + i, bar.top() + i, bar.left() + i, bar.bottom() - i);
        painter->setPen(QPen(dark, 0));
        QwtPainter::drawLine(painter, bar.left() + i, bar.bottom() - i, bar.right() - i, bar.bottom() - i);
        QwtPainter::drawLine(painter, bar.right() - i, bar.top() + i, bar.right() - i, bar.bottom() - i);
    }
    painter->restore();
}
