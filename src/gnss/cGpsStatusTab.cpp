#include "gnss/cGpsStatusTab.h"

#include "gnss/GPSDecoder.h"
#include "gnss/GeoPosition.h"
#include "gnss/GnssFont.h"
#include "gnss/GpsData.h"
#include "gnss/cGnssRecordPanel.h"
#include "gnss/cGpsScaleDraw.h"
#include "gnss/cHistogramItem.h"
#include "gnss/cSignalHistoryPlot.h"
#include "gnss/cSkyPlot.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>
#include <qwt_scale_widget.h>

namespace {

const int fontPixels = 11;
const int axisFontPixels = 8;
const int plotMargin = 10;
const QSize plotSize(500, 350);
const QSize swatchSize(16, 16);
const double maximumSnr = 60.0;
const int textLinesKept = 1000;

const QColor sbasColour(255, 165, 0);
// The widest value a label shows; the labels keep this width so that the
// plot does not shift as the values change.
const QString widestValue = QStringLiteral("000\u00b0 00' 00.00\" W");

} // namespace

cGpsStatusTab::cGpsStatusTab(QWidget* parent)
    : QWidget(parent)
{
    auto* page = new QGridLayout(this);
    page->addWidget(createFixPanel(), 0, 0, Qt::AlignTop);
    createPlot();
    page->addWidget(m_plot, 0, 1);
    page->setColumnStretch(1, 1);
    m_skyPlot = new cSkyPlot(this);
    m_skyPlot->setObjectName(QStringLiteral("skyPlot"));
    page->addWidget(m_skyPlot, 0, 2);
    m_clock.start();
    m_history.restart(m_clock.elapsed());
    m_historyPlot = new cSignalHistoryPlot(m_history, this);
    m_historyPlot->setObjectName(QStringLiteral("signalHistory"));
    page->addWidget(m_historyPlot, 1, 1, 1, 2);

    m_textGps = new QPlainTextEdit(this);
    m_textGps->setObjectName(QStringLiteral("textGPS"));
    m_textGps->setReadOnly(true);
    m_textGps->setAccessibleName(tr("GNSS sentences"));
    m_textGps->setMaximumBlockCount(textLinesKept);
    m_textGps->hide();
    page->addWidget(m_textGps, 2, 0, 1, 2);

    redrawPlot(nullptr);
}

QWidget* cGpsStatusTab::createFixPanel()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* gridWidget = new QWidget(panel);
    gridWidget->setObjectName(QStringLiteral("gridLayoutWidget"));
    auto* grid = new QGridLayout(gridWidget);
    grid->setObjectName(QStringLiteral("gridFix"));
    grid->setContentsMargins(0, 0, 0, 0);
    m_labelStatus = addRow(grid, QStringLiteral("Status"), tr("Fix Status:"));
    m_labelUtc = addRow(grid, QStringLiteral("UTC"), tr("UTC Time:"));
    m_labelLatitude = addRow(grid, QStringLiteral("Latitude"), tr("Latitude:"));
    m_labelLongitude = addRow(grid, QStringLiteral("Longitude"), tr("Longitude:"));
    m_labelSog = addRow(grid, QStringLiteral("SOG"), tr("Speed Over Ground:"));
    m_labelCog = addRow(grid, QStringLiteral("COG"), tr("Course Over Ground:"));
    m_labelSatellitesInView = addRow(grid, QStringLiteral("SatellitesInView"), tr("Satellites In View:"),
        tr("The number of satellites detected by the device.  The SVN of the "
           "satellites in view are shown in the x axis of the histogram."));
    m_labelSatellitesInUse = addRow(grid, QStringLiteral("SatellitesInUse"), tr("Satellites In Use:"),
        tr("The number of satellites used for navigation."));
    m_labelSatellitesTracked = addRow(grid, QStringLiteral("SatellitesTracked"),
        QStringLiteral("<b>%1</b>").arg(tr("Satellites Tracked:")),
        tr("The number of satellites actually tracked by the device.  The SVN for "
           "these are shown in the x axis of the histogram with no signal strength."));
    m_labelDop = addRow(grid, QStringLiteral("Dop"), tr("HDOP / PDOP / VDOP:"),
        tr("Dilution of precision: how much the satellites' geometry magnifies the position error "
           "horizontally, in three dimensions and vertically. Below 2 is good."));
    m_labelFirstFix = addRow(grid, QStringLiteral("FirstFix"), tr("Time To First Fix:"),
        tr("From the connection to the first 2D or 3D fix."));
    column->addWidget(gridWidget);

    auto* legend = new QGridLayout;
    addLegend(legend, QStringLiteral("Green"), QStringLiteral("background-color: rgb(0, 255, 0);"),
        tr("Satellite being used for navigation"));
    addLegend(legend, QStringLiteral("Blue"), QStringLiteral("background-color: rgb(0, 0, 255);"),
        tr("Satellite not used for navigation"));
    addLegend(legend, QStringLiteral("Red"), QStringLiteral("background-color: rgb(255, 165, 0);"),
        tr("Satellite is an SBAS satellite"));
    column->addLayout(legend);
    m_recordPanel = new cGnssRecordPanel(panel);
    column->addWidget(m_recordPanel);
    GPSDecoder* replay = m_recordPanel->replayDecoder();
    connect(replay, &GPSDecoder::GpsDataReceived, this, &cGpsStatusTab::OnGpsDataReceived);
    connect(replay, &GPSDecoder::SatelliteDataReceived, this, &cGpsStatusTab::OnSatelliteDataReceived);
    connect(replay, &GPSDecoder::RecordsReset, this, &cGpsStatusTab::OnRecordsReset);
    column->addStretch();
    return panel;
}

// One caption and its value label, named "label<name>Label" and "label<name>".
QLabel* cGpsStatusTab::addRow(
    QGridLayout* grid, const QString& name, const QString& caption, const QString& toolTip)
{
    const int row = grid->rowCount();
    auto* captionLabel = new QLabel(caption, grid->parentWidget());
    captionLabel->setObjectName(QStringLiteral("label%1Label").arg(name));
    captionLabel->setFont(GnssFont::ofPixels(fontPixels, true));
    captionLabel->setToolTip(toolTip);
    auto* valueLabel = new QLabel(tr("No Fix"), grid->parentWidget());
    valueLabel->setObjectName(QStringLiteral("label%1").arg(name));
    valueLabel->setFont(GnssFont::ofPixels(fontPixels, false));
    valueLabel->setMinimumWidth(valueLabel->fontMetrics().horizontalAdvance(widestValue));
    grid->addWidget(captionLabel, row, 0);
    grid->addWidget(valueLabel, row, 1);
    return valueLabel;
}

void cGpsStatusTab::addLegend(
    QGridLayout* grid, const QString& name, const QString& style, const QString& text)
{
    const int row = grid->rowCount();
    auto* swatch = new QWidget(this);
    swatch->setObjectName(QStringLiteral("widget%1").arg(name));
    swatch->setAttribute(Qt::WA_StyledBackground);
    swatch->setStyleSheet(style);
    swatch->setFixedSize(swatchSize);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("label%1").arg(name));
    label->setFont(GnssFont::ofPixels(fontPixels, false));
    grid->addWidget(swatch, row, 0);
    grid->addWidget(label, row, 1);
}

void cGpsStatusTab::createPlot()
{
    m_plot = new QwtPlot(this);
    m_plot->setObjectName(QStringLiteral("plot"));
    m_plot->setMinimumSize(plotSize);
    m_plot->setContentsMargins(plotMargin, plotMargin, plotMargin, plotMargin);
    auto* canvas = new QwtPlotCanvas(m_plot);
    canvas->setFrameStyle(QFrame::NoFrame);
    m_plot->setCanvas(canvas);
    m_plot->setCanvasBackground(Qt::white);
    m_plot->setTitle(tr("GNSS Satellite Signal Levels"));

    m_plot->setAxisTitle(QwtPlot::yLeft, tr("C/No [dBHz]"));
    m_plot->setAxisScale(QwtPlot::yLeft, 0.0, maximumSnr);
    m_plot->setAxisTitle(QwtPlot::xBottom, tr("Satellite ID"));
    m_plot->setAxisScale(QwtPlot::xBottom, -0.5, SatelliteData::SlotCount - 0.5, 1.0);
    m_plot->setAxisMaxMinor(QwtPlot::xBottom, 1);
    m_plot->setAxisFont(QwtPlot::xBottom, GnssFont::ofPixels(axisFontPixels, false));
    m_scaleDraw = new cGpsScaleDraw;
    m_plot->setAxisScaleDraw(QwtPlot::xBottom, m_scaleDraw);

    auto* grid = new QwtPlotGrid;
    grid->enableX(false);
    grid->enableXMin(true);
    grid->enableY(true);
    grid->enableYMin(true);
    grid->setMajorPen(Qt::black, 0.0, Qt::DotLine);
    grid->setMinorPen(Qt::gray, 0.0, Qt::DotLine);
    grid->attach(m_plot);
}

// While a replay runs the page shows only what it replays, not what a
// connected device sends meanwhile.
void cGpsStatusTab::FinishRecording()
{
    if (m_recordPanel->isRecording()) {
        m_recordPanel->stopRecording();
    }
}

bool cGpsStatusTab::isHiddenByReplay() const
{
    return m_recordPanel->isReplaying() && sender() != m_recordPanel->replayDecoder();
}

void cGpsStatusTab::OnGpsDataReceived(GpsData* gpsData)
{
    if (isHiddenByReplay()) {
        return;
    }
    if (!gpsData) {
        for (QLabel* label : { m_labelUtc, m_labelLatitude, m_labelLongitude, m_labelSog, m_labelCog }) {
            label->setText(tr("No Fix"));
        }
        m_labelLatitude->setToolTip(QString());
        m_labelLongitude->setToolTip(QString());
        deleteBars();
        redrawPlot(nullptr);
        return;
    }
    const GeoPosition* position = gpsData->position();
    const QLocale locale;
    m_labelLatitude->setText(position->latitudeDmsText());
    m_labelLatitude->setToolTip(
        locale.toString(position->latitude(), 'f', 4) + QLatin1Char('\n') + position->latitudeDmText());
    m_labelLongitude->setText(position->longitudeDmsText());
    m_labelLongitude->setToolTip(
        locale.toString(position->longitude(), 'f', 4) + QLatin1Char('\n') + position->longitudeDmText());
    m_labelUtc->setText(gpsData->time().toString(QStringLiteral("hh:mm:ss")));
    m_labelSog->setText(tr("%1 kn").arg(locale.toString(gpsData->speedOverGround(), 'f', 1)));
    m_labelCog->setText(locale.toString(gpsData->courseOverGround(), 'f', 1) + QChar(0x00B0));
}

void cGpsStatusTab::OnGPSTextMessageReceived(QString text)
{
    m_textGps->appendPlainText(text);
}

void cGpsStatusTab::OnSatelliteDataReceived(SatelliteData* satelliteData)
{
    if (isHiddenByReplay()) {
        return;
    }
    deleteBars();
    createBars(satelliteData);
    if (satelliteData) {
        switch (satelliteData->fixStatus()) {
        case SatelliteData::Fix2D:
            m_labelStatus->setText(tr("2D Fix"));
            break;
        case SatelliteData::Fix3D:
            m_labelStatus->setText(tr("3D Fix"));
            break;
        default:
            m_labelStatus->setText(tr("No Fix"));
        }
        m_labelSatellitesInView->setText(QString::number(satelliteData->totalInView()));
        m_labelSatellitesInUse->setText(QString::number(satelliteData->usedCount()));
        m_labelSatellitesTracked->setText(QString::number(satelliteData->trackedCount()));
        m_history.add(m_clock.elapsed(), *satelliteData);
    } else {
        for (QLabel* label : { m_labelSatellitesInView, m_labelSatellitesInUse, m_labelSatellitesTracked }) {
            label->setText(tr("No Fix"));
        }
    }
    redrawPlot(satelliteData);
}

void cGpsStatusTab::deleteBars()
{
    for (cHistogramItem*& bar : m_bars) {
        delete bar;
        bar = nullptr;
    }
}

// One bar per slot, at the slot's position: tracked satellites at their SNR
// in the colour of their use, everything else a white bar of height 0.
void cGpsStatusTab::createBars(const SatelliteData* satelliteData)
{
    for (int i = 0; i < SatelliteData::SlotCount; ++i) {
        SatelliteRecord satellite;
        const bool shown = satelliteData && satelliteData->satelliteAt(i, satellite) && satellite.prn > 0
            && satellite.tracked;
        QColor colour = Qt::white;
        if (shown) {
            colour = satellite.isSbas ? sbasColour : satellite.used ? QColor(Qt::green) : QColor(Qt::blue);
        }
        auto* bar = new cHistogramItem(tr("Satellite ") + QString::number(i));
        bar->setColor(colour);
        bar->setData({ QwtIntervalSample(shown ? satellite.snr : 0.0, i - 0.5, i + 0.5) });
        bar->attach(m_plot);
        m_bars[static_cast<size_t>(i)] = bar;
    }
}

void cGpsStatusTab::redrawPlot(const SatelliteData* satelliteData)
{
    m_scaleDraw->setSatelliteData(satelliteData);
    m_plot->axisWidget(QwtPlot::xBottom)->update();
    m_plot->replot();
    m_plot->repaint();
    m_skyPlot->setSatellites(satelliteData);
    showHistory(satelliteData);
}

void cGpsStatusTab::showHistory(const SatelliteData* satelliteData)
{
    const QLocale locale;
    m_labelDop->setText(satelliteData ? QStringLiteral("%1 / %2 / %3")
                                            .arg(locale.toString(satelliteData->hdop(), 'f', 1),
                                                locale.toString(satelliteData->pdop(), 'f', 1),
                                                locale.toString(satelliteData->vdop(), 'f', 1))
                                      : tr("No Fix"));
    const qint64 firstFix = m_history.timeToFirstFix();
    m_labelFirstFix->setText(
        firstFix < 0 ? tr("No Fix") : tr("%1 s").arg(locale.toString(firstFix / 1000.0, 'f', 1)));
    m_historyPlot->update();
}

void cGpsStatusTab::OnGnssSentenceReceived(QString line)
{
    m_recordPanel->OnGnssSentence(line);
}

void cGpsStatusTab::OnRecordsReset()
{
    if (isHiddenByReplay()) {
        return;
    }
    m_history.restart(m_clock.elapsed());
    showHistory(nullptr);
}
