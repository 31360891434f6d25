#pragma once

#include <QObject>
#include <QString>

#include <memory>

class PortWatcher;
class QMessageBox;

// Finds the Identifier's port (through its port watcher) and tells the user,
// in non-modal boxes, what the program is waiting for.
class cConnectionManager : public QObject {
    Q_OBJECT

public:
    explicit cConnectionManager(QObject* parent = nullptr);
    ~cConnectionManager() override;

    void SetDeviceIds(int vendorId, int productId);
    void SetPortPath(const QString& path);
    void SetTransportPresent(bool present);
    // Set while a blocking file dialog is open, so no box pops up over it.
    void SetPromptsSuppressed(bool suppressed);
    void ShowConnectPrompt();
    // For good: the program is closing.
    void StopPrompting();

signals:
    void portFound(const QString& portName);
    void autoConnect();

public slots:
    void onPortCheckTimeout();
    void OnDisplayError(const QString& text, const QString& informativeText);
    void OnClearDisplayError();

private:
    static std::unique_ptr<QMessageBox> MakeBox(const QString& text);
    bool Suppressed() const;

    PortWatcher* m_watcher = nullptr;
    std::unique_ptr<QMessageBox> m_promptBox;
    std::unique_ptr<QMessageBox> m_errorBox;
    bool m_promptsSuppressed = false;
    bool m_stopped = false;
};
