#include "link/LogFile.h"

#include "app/CsvField.h"
#include "app/PlatformInfo.h"
#include "model/Model.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

namespace {

QString Frequency(double megahertz)
{
    return QString::number(megahertz, 'g', 6);
}

} // namespace

LogFile::LogFile(QObject* parent)
    : QObject(parent)
{
}

QString LogFile::Header()
{
    return tr("Time,Date,User,PC,Serial No.,Version,MMSI,Vessel Name,Call Sign,Vessel Type,Dimension A,"
              "Dimension B,Dimension C,Dimension D,Low SOG Reporting Interval, High SOG Threshold,"
              "High SOG Reporting Interval,Ch.A Freq(MHz),Ch.B Freq(MHz)\n");
}

QString LogFile::Row(Model* model)
{
    if (!model) {
        return QStringLiteral("Error NULL Model!\n");
    }
    StaticData* data = model->staticData();
    Messages* messages = model->messages();
    const bool highRate = messages->highRateEnabled();
    const QStringList fields {
        CsvField::Quoted(PlatformInfo::UserName()),
        CsvField::Quoted(PlatformInfo::ComputerName()),
        CsvField::Quoted(model->serialNumber()),
        CsvField::Quoted(model->appVersion()),
        CsvField::Quoted(model->mmsi()->text()),
        CsvField::Quoted(data->vesselName()),
        CsvField::Quoted(data->callSign()),
        QString::number(model->vesselData()->vesselType()),
        QString::number(data->dimensionMetres(StaticData::DimensionA)),
        QString::number(data->dimensionMetres(StaticData::DimensionB)),
        QString::number(data->dimensionMetres(StaticData::DimensionC)),
        QString::number(data->dimensionMetres(StaticData::DimensionD)),
        QString::number(messages->positionInterval()),
        highRate ? QString::number(messages->highRateSog()) : QString(),
        highRate ? QString::number(messages->highRateInterval()) : QString(),
        Frequency(messages->channelAFrequencyMHz()),
        Frequency(messages->channelBFrequencyMHz()),
    };
    // One format gives both the time and the date column.
    const QString when = QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss,dd/MM/yyyy,"));
    return when + fields.join(QLatin1Char(',')) + QStringLiteral(",\n");
}

bool LogFile::Open(const QString& path)
{
    if (!m_path.isEmpty()) {
        return false;
    }
    const bool existed = QFile::exists(path);
    m_path = path;
    if (!AppendText(existed ? QString() : Header())) {
        m_path.clear();
        return false;
    }
    return true;
}

bool LogFile::AppendRow(Model* model)
{
    return !m_path.isEmpty() && AppendText(Row(model));
}

bool LogFile::AppendText(const QString& text)
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        m_error = file.errorString();
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        m_error = file.errorString();
        return false;
    }
    return true;
}

bool LogFile::Export(const QString& filename)
{
    QFile log(m_path);
    if (m_path.isEmpty() || !log.open(QIODevice::ReadOnly)) {
        m_error = m_path.isEmpty() ? tr("The configuration log is not open.") : log.errorString();
        return false;
    }
    QSaveFile copy(filename);
    if (!copy.open(QIODevice::WriteOnly)) {
        m_error = copy.errorString();
        return false;
    }
    const QByteArray bytes = log.readAll();
    if (log.error() != QFileDevice::NoError || copy.write(bytes) != bytes.size() || !copy.commit()) {
        m_error = log.error() != QFileDevice::NoError ? log.errorString() : copy.errorString();
        copy.cancelWriting();
        return false;
    }
    return true;
}

void LogFile::on_ExportConfigurationLog(const QString& filename)
{
    if (!filename.isEmpty()) {
        emit ExportFinished(Export(filename), filename);
    }
}
