#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class ProcessProbe;

// Starts the firmware updater as a separate program and reports when it has
// ended. The updater runs apart from the configuration program: it finishes
// a transfer even when the configuration program ends, since a transfer cut
// short leaves the device in its boot loader. The configuration program does
// not read the updater's result: a successful update shows only as a newer
// version at the next connection.
class UpdaterLauncher : public QObject {
    Q_OBJECT

public:
    explicit UpdaterLauncher(QObject* parent = nullptr);
    ~UpdaterLauncher() override;

    // The updater in "AISImage" beside the program, else the installed one
    // (see InstallLayout).
    static QString DefaultProgram();

    void SetProgram(const QString& program) { m_program = program; }
    QString Program() const { return m_program; }
    bool IsRunning() const { return m_updater != nullptr; }

    // Starts the updater with the image path, the port name and the baud type
    // as its three arguments. False when it could not be started; Finished()
    // then never comes.
    bool Start(const QString& imagePath, const QString& portName, int baudType);

signals:
    void Finished();

private:
    void CheckUpdater();

    QString m_program;
    std::unique_ptr<ProcessProbe> m_updater;
    QTimer m_check;
};
