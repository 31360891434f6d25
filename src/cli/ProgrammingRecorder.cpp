#include "cli/ProgrammingRecorder.h"

#include "certificate/ProgrammingCertificate.h"
#include "cli/CliOutput.h"
#include "production/MmsiPool.h"

#include <QDir>
#include <QTemporaryFile>

ProgrammingRecorder::ProgrammingRecorder(const QString& certificateFolder, CliOutput& output)
    : m_certificateFolder(certificateFolder)
    , m_output(output)
{
    // Before this run adds to the configuration log: the log's earlier rows are
    // taken into a new history once, and this run's must not be among them. A
    // failure is told when a row is added.
    QString later;
    m_history.History().Open(&later);
    QObject::connect(&m_history, &HistoryWriter::caughtUp,
        [this] { m_output.Progress(tr("The programming history has taken in the rows that waited.")); });
}

ProgrammingRecorder::~ProgrammingRecorder()
{
    const int waiting = m_history.Waiting();
    QString file;
    QString error;
    if (!m_history.Finish(&file, &error)) {
        m_output.Warning(
            tr("%n row(s) of the programming history could not be kept: %1", nullptr, waiting).arg(error));
    } else if (!file.isEmpty()) {
        m_output.Result({ { QStringLiteral("result"), QStringLiteral("history kept aside") },
                            { QStringLiteral("file"), file }, { QStringLiteral("rows"), waiting } },
            tr("%n row(s) of the programming history could not be written; they are kept in %1 and taken in "
               "when the history is next opened.",
                nullptr, waiting)
                .arg(QDir::toNativeSeparators(file)));
    }
}

// A file made and removed again tells what the folder's permissions alone do
// not (a read-only file system, a user who may write anywhere).
bool ProgrammingRecorder::CertificateFolderUsable(QString* error) const
{
    if (m_certificateFolder.isEmpty()) {
        return true;
    }
    QTemporaryFile probe(QDir(m_certificateFolder).filePath(QStringLiteral("probe-XXXXXX")));
    if (probe.open()) {
        return true;
    }
    *error = tr("Certificates cannot be written into %1: %2")
                 .arg(QDir::toNativeSeparators(m_certificateFolder), probe.errorString());
    return false;
}

bool ProgrammingRecorder::Record(const Profile& sent, bool verified, QString* certificate, QString* error)
{
    ProgrammingRecord record = ProgrammingHistory::RecordOf(sent, verified, QStringLiteral("command line"));
    AddToHistory(record);
    AddToPool(record);
    if (m_certificateFolder.isEmpty() || !verified) {
        return true;
    }
    const QString path = QDir(m_certificateFolder).filePath(ProgrammingCertificate::FileName(record));
    if (!ProgrammingCertificate::WritePdf(record, path, error)) {
        return false;
    }
    *certificate = path;
    return true;
}

void ProgrammingRecorder::RecordUnverified(const Profile& sent, const QString& failure)
{
    ProgrammingRecord record = ProgrammingHistory::RecordOf(sent, false, QStringLiteral("command line"));
    record.failure = failure;
    AddToHistory(record);
    AddToPool(record);
}

void ProgrammingRecorder::AddToHistory(ProgrammingRecord& record)
{
    QString error;
    if (!m_history.Add(record, &error)) {
        m_output.Warning(tr("%1; the row is kept and written once it can be.").arg(error));
    }
}

void ProgrammingRecorder::AddToPool(const ProgrammingRecord& record)
{
    QString error;
    if (m_pool && !m_pool->AddHistory(record, &error)) {
        m_output.Warning(tr("The pool's programming history could not be updated: %1").arg(error));
    }
}
