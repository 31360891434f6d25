#pragma once

#include <QObject>
#include <QString>

class Model;

// The configuration log: a CSV file with one row for every configuration the
// program has written into an Identifier. The file is opened only while the
// header or a row is written.
class LogFile : public QObject {
    Q_OBJECT

public:
    explicit LogFile(QObject* parent = nullptr);

    // Prepares the log at the path, writing the header when the file is new.
    bool Open(const QString& path);
    bool AppendRow(Model* model);
    // Copies the log to the file name; a file already there is replaced only
    // by a complete copy.
    bool Export(const QString& filename);
    QString ErrorString() const { return m_error; }

signals:
    // The outcome of an export the user asked for, for the user to be told.
    void ExportFinished(bool created, const QString& filename);

public slots:
    void on_ExportConfigurationLog(const QString& filename);

private:
    static QString Header();
    static QString Row(Model* model);
    bool AppendText(const QString& text);

    QString m_path;
    QString m_error;
};
