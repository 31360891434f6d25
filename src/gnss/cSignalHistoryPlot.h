#pragma once

#include <QWidget>

class QPainter;
class SignalHistory;

// The last ten minutes of a SignalHistory: the mean C/N0 of the strongest
// satellites as a line against the left scale and the number used in the
// fix as steps against the right one. The newest sample is at the right
// edge.
class cSignalHistoryPlot : public QWidget {
    Q_OBJECT

public:
    explicit cSignalHistoryPlot(const SignalHistory& history, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF plotRect() const;
    void drawScales(QPainter& painter, const QRectF& area, int usedScale) const;
    void drawCurves(QPainter& painter, const QRectF& area, int usedScale) const;
    void drawLegend(QPainter& painter, const QRectF& area) const;

    const SignalHistory& m_history;
};
