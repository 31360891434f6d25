#pragma once

#include <QColor>
#include <QVector>

#include <qwt_plot_item.h>
#include <qwt_samples.h>

// Draws intervals with a value each as raised vertical bars from a baseline.
class cHistogramItem : public QwtPlotItem {
public:
    static constexpr int Rtti = QwtPlotItem::Rtti_PlotUserItem + 1;

    explicit cHistogramItem(const QString& title = QString());

    void setData(const QVector<QwtIntervalSample>& data);
    const QVector<QwtIntervalSample>& data() const { return m_data; }
    void setColor(const QColor& color);
    QColor color() const { return m_color; }
    void setBaseline(double baseline);
    double baseline() const { return m_baseline; }

    int rtti() const override { return Rtti; }
    QRectF boundingRect() const override;
    void draw(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
        const QRectF& canvasRect) const override;

private:
    void drawBar(QPainter* painter, const QRect& bar) const;

    QVector<QwtIntervalSample> m_data;
    QColor m_color = Qt::white;
    double m_baseline = 0.0;
};
