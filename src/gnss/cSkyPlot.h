#pragma once

#include "gnss/SatelliteRecord.h"

#include <QPair>
#include <QVector>
#include <QWidget>

class QPainter;
class SatelliteData;

// The satellites of the last cycle placed by azimuth and elevation: a letter
// names the constellation, the colour the C/N0, and a filled mark one used
// in the fix. Hovering a satellite shows its details as a tool tip; clicking
// selects it and keeps its details on the plot.
class cSkyPlot : public QWidget {
    Q_OBJECT

public:
    explicit cSkyPlot(QWidget* parent = nullptr);

    // Copies the satellites with a known position; null empties the plot.
    void setSatellites(const SatelliteData* satelliteData);
    const QVector<SatelliteRecord>& satellites() const { return m_satellites; }
    // The details of the selected satellite, empty when none is selected.
    QString selectionText() const;
    // Where a satellite at this azimuth and elevation is drawn.
    QPointF pointAt(int azimuth, int elevation) const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    using SatelliteKey = QPair<int, int>;

    QRectF skyRect() const;
    int satelliteAt(const QPointF& position) const;
    QString describe(const SatelliteRecord& satellite) const;
    void drawGrid(QPainter& painter, const QRectF& sky) const;
    void drawSatellite(QPainter& painter, const SatelliteRecord& satellite) const;
    double layoutLegend(QPainter* painter, double top) const;

    QVector<SatelliteRecord> m_satellites;
    SatelliteKey m_selected { -1, -1 };
};
