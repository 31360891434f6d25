#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// identifier-sim processes for the benches, one per device, each on a
// pseudo-terminal linked into a folder and writing its transcript there.
class BenchDevices {
public:
    // settings: more configuration keys for every device, as JSON members
    // ("\"replyDelayMs\": 30"), beside a serial number of its own.
    BenchDevices(const QString& folder, const QString& settings);
    ~BenchDevices();

    // Starts count devices (numbered from first) and waits for their links;
    // false when they did not all come.
    bool Start(int count, int first = 0);
    void Stop();
    // --port and the link of each device.
    QStringList PortArguments() const;
    QString Link(int index) const { return m_devices.at(index).link; }
    QString Transcript(int index) const { return m_devices.at(index).transcript; }

    // velmora-cli run to its end with its data in home: its exit code.
    static int RunCli(const QStringList& arguments, const QString& home, QByteArray* out);

private:
    struct Device {
        std::unique_ptr<QProcess> process;
        QString link;
        QString transcript;
    };

    bool WaitForLinks() const;

    const QString m_folder;
    const QString m_settings;
    std::vector<Device> m_devices;
};
