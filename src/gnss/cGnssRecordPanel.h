#pragma once

#include "gnss/GnssRecording.h"

#include <QWidget>

class GPSDecoder;
class GnssReplay;
class QLabel;
class QPushButton;

// "Record GNSS..." saves the received GNSS sentences with their time stamps
// to a file, replaced only when the recording is complete; "Replay..." plays
// such a file, or any NMEA log, at its own pace through a decoder of its own,
// so that a recording can be looked at without a device.
class cGnssRecordPanel : public QWidget {
    Q_OBJECT

public:
    explicit cGnssRecordPanel(QWidget* parent = nullptr);

    // The decoder replays go through; the page shows what it publishes.
    GPSDecoder* replayDecoder() const { return m_replayDecoder; }
    bool isRecording() const { return !m_recordPath.isEmpty(); }
    bool isReplaying() const;
    void startRecording(const QString& path);
    // Writes the file; false, after telling the user, when that failed.
    bool stopRecording();
    bool startReplay(const QString& path);

public slots:
    void OnGnssSentence(QString line);

private:
    void onRecordClicked();
    void onReplayClicked();
    void showStatus(const QString& text);

    GnssRecording m_recording;
    QString m_recordPath;
    QString m_replayPath;
    GPSDecoder* m_replayDecoder;
    GnssReplay* m_replay;
    QPushButton* m_buttonRecord;
    QPushButton* m_buttonReplay;
    QLabel* m_labelStatus;
};
