#include "cli/CliOutput.h"

#include <QJsonDocument>
#include <QTextStream>

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

const char* const CliOutput::ProgramName = "velmora-cli";

CliOutput::CliOutput(bool json)
    : m_json(json)
    , m_progress(isatty(fileno(stderr)) != 0)
{
}

CliOutput::~CliOutput()
{
    if (!m_warnings.isEmpty()) {
        Result({ { QStringLiteral("result"), QStringLiteral("warning") } }, QString());
    }
}

void CliOutput::Result(const QJsonObject& fields, const QString& text)
{
    m_resultGiven = true;
    QTextStream out(stdout);
    if (m_json) {
        QJsonObject object = fields;
        if (!m_warnings.isEmpty()) {
            object.insert(QStringLiteral("warnings"), m_warnings);
            m_warnings = QJsonArray();
        }
        out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    } else {
        out << text << '\n';
    }
    out.flush();
}

void CliOutput::Progress(const QString& text)
{
    if (m_progress) {
        QTextStream(stderr) << text << '\n';
    }
}

void CliOutput::Warning(const QString& text)
{
    ToStandardError(text);
    if (!m_json) {
        return;
    }
    m_warnings.append(text);
    if (m_resultGiven) {
        Result({ { QStringLiteral("result"), QStringLiteral("warning") } }, QString());
    }
}

void CliOutput::ToStandardError(const QString& text)
{
    QTextStream(stderr) << ProgramName << ": " << text << '\n';
}

int CliOutput::Failure(CliExit code, const QString& message)
{
    ToStandardError(message);
    if (m_json && !m_resultGiven) {
        Result({ { QStringLiteral("result"), QStringLiteral("error") },
                   { QStringLiteral("exitCode"), static_cast<int>(code) },
                   { QStringLiteral("message"), message } },
            QString());
    }
    return static_cast<int>(code);
}
