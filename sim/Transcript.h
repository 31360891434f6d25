#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QStringList>

// Everything that crossed the line, and what the device made of it: one
// entry per line, sentence, block or event, with the time and the rate in
// force. Control and non-ASCII bytes are written as \r, \n or \xHH.
class Transcript : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxEntries = 100000;

    explicit Transcript(QObject* parent = nullptr);

    // Appends every later entry to path as well; false if it cannot be opened.
    bool setFile(const QString& path, QString* error);

    // direction: "RX" from the program, "TX" to it, "RX-NOISE" bytes at a
    // rate the device is not listening at, "TX-LOST" bytes the program's port
    // could not receive at its rate.
    void bytes(const QString& direction, int rate, const QByteArray& data);
    void event(const QString& text);

    QStringList entries() const { return m_entries; }
    void clear() { m_entries.clear(); }

    static QString printable(const QByteArray& data);

signals:
    void entryAdded(const QString& entry);

private:
    void add(const QString& body);

    QElapsedTimer m_clock;
    QStringList m_entries;
    QFile m_file;
};
