#include "gnss/cGnssRecordPanel.h"

#include "app/CompleteFile.h"
#include "gnss/GPSDecoder.h"
#include "gnss/GnssReplay.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString fileFilter()
{
    return cGnssRecordPanel::tr("NMEA logs (*.nmea *.log *.txt);;All files (*)");
}

} // namespace

cGnssRecordPanel::cGnssRecordPanel(QWidget* parent)
    : QWidget(parent)
    , m_replayDecoder(new GPSDecoder(this))
    , m_replay(new GnssReplay(this))
    , m_buttonRecord(new QPushButton(tr("Record GNSS..."), this))
    , m_buttonReplay(new QPushButton(tr("Replay..."), this))
    , m_labelStatus(new QLabel(this))
{
    m_buttonRecord->setObjectName(QStringLiteral("pushButtonRecordGnss"));
    m_buttonReplay->setObjectName(QStringLiteral("pushButtonReplayGnss"));
    m_labelStatus->setObjectName(QStringLiteral("labelGnssRecording"));
    m_labelStatus->setWordWrap(true);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_buttonRecord, 0, 0);
    layout->addWidget(m_buttonReplay, 0, 1);
    layout->addWidget(m_labelStatus, 1, 0, 1, 2);
    connect(m_buttonRecord, &QPushButton::clicked, this, &cGnssRecordPanel::onRecordClicked);
    connect(m_buttonReplay, &QPushButton::clicked, this, &cGnssRecordPanel::onReplayClicked);
    connect(m_replay, &GnssReplay::sentence, m_replayDecoder, &GPSDecoder::OnReceived);
    connect(m_replay, &GnssReplay::finished, this, [this] {
        m_buttonReplay->setText(tr("Replay..."));
        showStatus(tr("Replay of %1 finished.").arg(QDir::toNativeSeparators(m_replayPath)));
    });
}

bool cGnssRecordPanel::isReplaying() const
{
    return m_replay->isRunning();
}

void cGnssRecordPanel::showStatus(const QString& text)
{
    m_labelStatus->setText(text);
}

void cGnssRecordPanel::onRecordClicked()
{
    if (isRecording()) {
        stopRecording();
        return;
    }
    const QString name
        = QStringLiteral("gnss-%1.nmea")
              .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString path
        = QFileDialog::getSaveFileName(this, tr("Record GNSS"), QDir::home().filePath(name), fileFilter());
    if (!path.isEmpty()) {
        startRecording(path);
    }
}

void cGnssRecordPanel::startRecording(const QString& path)
{
    m_recording.clear();
    m_recordPath = path;
    m_buttonRecord->setText(tr("Stop Recording"));
    showStatus(tr("Recording to %1").arg(QDir::toNativeSeparators(path)));
}

bool cGnssRecordPanel::stopRecording()
{
    const QString path = m_recordPath;
    m_recordPath.clear();
    m_buttonRecord->setText(tr("Record GNSS..."));
    QString error;
    if (!CompleteFile::Write(path, m_recording.bytes(), &error)) {
        showStatus(tr("The recording was not saved."));
        QMessageBox::warning(this, tr("Record GNSS"), error);
        return false;
    }
    showStatus(
        tr("Saved %1 sentences to %2.").arg(m_recording.sentenceCount()).arg(QDir::toNativeSeparators(path)));
    return true;
}

// A recording that has reached its limit is saved and ends, so that it
// cannot take the computer's memory.
void cGnssRecordPanel::OnGnssSentence(QString line)
{
    if (!isRecording() || m_recording.append(QDateTime::currentDateTimeUtc(), line)) {
        return;
    }
    const QString path = m_recordPath;
    if (stopRecording()) {
        showStatus(tr("The recording was full and has been saved: %1 sentences in %2.")
                       .arg(m_recording.sentenceCount())
                       .arg(QDir::toNativeSeparators(path)));
    }
}

void cGnssRecordPanel::onReplayClicked()
{
    if (m_replay->isRunning()) {
        m_replay->stop();
        m_buttonReplay->setText(tr("Replay..."));
        showStatus(tr("Replay stopped."));
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, tr("Replay"), QDir::homePath(), fileFilter());
    if (!path.isEmpty()) {
        startReplay(path);
    }
}

bool cGnssRecordPanel::startReplay(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, tr("Replay"),
            tr("%1 could not be read: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    const QVector<GnssRecording::Entry> entries = GnssRecording::parse(file.readAll());
    if (entries.isEmpty()) {
        QMessageBox::warning(
            this, tr("Replay"), tr("%1 holds no NMEA sentences.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    m_replayPath = path;
    // Like the live stream after a change of page: the first cycle starts
    // at an RMC.
    m_replayDecoder->onWaitForRmc();
    m_replayDecoder->reset();
    m_replay->start(entries);
    m_buttonReplay->setText(tr("Stop Replay"));
    showStatus(tr("Replaying %1").arg(QDir::toNativeSeparators(path)));
    return true;
}
