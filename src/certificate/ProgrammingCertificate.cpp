#include "certificate/ProgrammingCertificate.h"

#include "app/CompleteFile.h"
#include "history/ProgrammingHistory.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileSetting.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>

namespace {

const QColor ink(0x1a, 0x1a, 0x1a);
const QColor quiet(0x6b, 0x6b, 0x6b);
const QColor accent(0x1f, 0x3a, 0x5f);
const QColor shade(0xf1, 0xf3, 0xf6);
const QColor verifiedInk(0x1b, 0x5e, 0x20);
const QColor verifiedFill(0xe3, 0xf2, 0xe5);
const QColor unverifiedInk(0x8b, 0x1a, 0x1a);
const QColor unverifiedFill(0xfb, 0xe4, 0xe4);

// The page being drawn and how far down it is filled. Lengths are in the
// device's units: a PDF and a printer differ in resolution.
struct Sheet {
    QPainter& painter;
    QRectF area;
    qreal perMm;
    qreal y;

    qreal Mm(qreal millimetres) const { return millimetres * perMm; }
};

QFont Font(qreal points, bool bold = false)
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    // A ligature would come out of the PDF as one odd character when the
    // text is copied or searched.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

qreal Height(const Sheet& sheet, const QFont& font)
{
    return QFontMetricsF(font, sheet.painter.device()).height();
}

// Text too wide for its box is drawn smaller, down to two thirds of its
// size, then over as many lines as the box holds; only what still does not
// fit is cut short with an ellipsis, never drawn over its neighbour.
void Put(Sheet& sheet, const QRectF& box, const QFont& font, const QColor& color, const QString& text,
    Qt::Alignment alignment = Qt::AlignLeft)
{
    QPaintDevice* device = sheet.painter.device();
    const qreal smallest = font.pointSizeF() * 2 / 3;
    QFont shown = font;
    while (
        QFontMetricsF(shown, device).horizontalAdvance(text) > box.width() && shown.pointSizeF() > smallest)
        shown.setPointSizeF(qMax(smallest, shown.pointSizeF() * 0.9));
    const QFontMetricsF metrics(shown, device);
    const int flags = alignment | Qt::AlignVCenter;
    sheet.painter.setFont(shown);
    sheet.painter.setPen(color);
    if (metrics.boundingRect(box, flags | Qt::TextWordWrap, text).height() <= box.height())
        sheet.painter.drawText(box, flags | Qt::TextWordWrap, text);
    else
        sheet.painter.drawText(box, flags, metrics.elidedText(text, Qt::ElideRight, box.width()));
}

void Line(Sheet& sheet, const QFont& font, const QColor& color, const QString& text)
{
    const qreal height = Height(sheet, font);
    Put(sheet, QRectF(sheet.area.left(), sheet.y, sheet.area.width(), height), font, color, text);
    sheet.y += height;
}

void Rule(Sheet& sheet, const QColor& color, qreal widthMm)
{
    sheet.painter.setPen(QPen(color, sheet.Mm(widthMm)));
    sheet.painter.drawLine(QPointF(sheet.area.left(), sheet.y), QPointF(sheet.area.right(), sheet.y));
}

// A small capitalised heading over a block.
void Heading(Sheet& sheet, qreal left, qreal width, const QString& text)
{
    const QFont font = Font(8, true);
    const qreal height = Height(sheet, font);
    QFont spaced = font;
    spaced.setLetterSpacing(QFont::PercentageSpacing, 110);
    Put(sheet, QRectF(left, sheet.y, width, height), spaced, accent, text.toUpper());
    sheet.y += height + sheet.Mm(1);
}

void Field(Sheet& sheet, qreal left, qreal width, const QString& label, const QString& value)
{
    const qreal height = sheet.Mm(6);
    const qreal labelWidth = sheet.Mm(30);
    Put(sheet, QRectF(left, sheet.y, labelWidth, height), Font(9), quiet, label);
    Put(sheet, QRectF(left + labelWidth, sheet.y, width - labelWidth, height), Font(10.5), ink, value);
    sheet.y += height;
}

QString Utc(const QDateTime& at)
{
    return at.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" UTC");
}

QString Local(const QDateTime& at)
{
    return at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t"));
}

QString OrNone(const QString& text)
{
    return text.isEmpty() ? ProgrammingCertificate::tr("(none)") : text;
}

// Whether the record's settings were sent or read, not left out.
bool Holds(const Profile& profile, const QString& path)
{
    for (const ProfileSetting& setting : ProfileSetting::All()) {
        if (setting.Path() == path)
            return profile.SourceOf(setting) != Profile::Source::Absent;
    }
    return false;
}

// The device types the program identifies by the firmware version.
QString DeviceTypeName(int generation)
{
    switch (generation) {
    case 1:
    case 2:
        return ProgrammingCertificate::tr("First generation (type %1)").arg(generation);
    case 4:
        return ProgrammingCertificate::tr("Later generation (type %1)").arg(generation);
    default:
        return ProgrammingCertificate::tr("Not identified");
    }
}

void Title(Sheet& sheet)
{
    Line(sheet, Font(20, true), accent, ProgrammingCertificate::tr("Programming certificate"));
    Line(sheet, Font(9.5), quiet,
        ProgrammingCertificate::tr("Identifier AIS transmitter, programmed with velmora %1")
            .arg(QStringLiteral(VELMORA_VERSION)));
    sheet.y += sheet.Mm(3);
    Rule(sheet, accent, 0.6);
    sheet.y += sheet.Mm(7);
}

void Vessel(Sheet& sheet, const ProgrammingRecord& record, const ProfileReadResult& settings)
{
    Heading(sheet, sheet.area.left(), sheet.area.width(), ProgrammingCertificate::tr("Vessel"));
    Line(sheet, Font(24, true), ink, OrNone(record.vesselName));
    sheet.y += sheet.Mm(1);
    Line(sheet, Font(15, true), ink, ProgrammingCertificate::tr("MMSI %1").arg(record.mmsi));
    sheet.y += sheet.Mm(1);
    Line(sheet, Font(10.5), ink, ProgrammingCertificate::tr("Call sign %1").arg(OrNone(record.callSign)));
    if (settings.ok && Holds(settings.profile, QStringLiteral("vessel.dimensionA"))) {
        Line(sheet, Font(10.5), ink,
            ProgrammingCertificate::tr("Dimensions %1")
                .arg(settings.profile.staticData().dimensionsText(false)));
    }
    sheet.y += sheet.Mm(8);
}

// The device on the left, the programming on the right.
void Facts(Sheet& sheet, const ProgrammingRecord& record)
{
    const qreal gap = sheet.Mm(8);
    const qreal width = (sheet.area.width() - gap) / 2;
    const qreal left = sheet.area.left();
    const qreal right = left + width + gap;
    const qreal top = sheet.y;
    Heading(sheet, left, width, ProgrammingCertificate::tr("Device"));
    Field(sheet, left, width, ProgrammingCertificate::tr("Serial number"), OrNone(record.serialNumber));
    Field(sheet, left, width, ProgrammingCertificate::tr("Firmware"), OrNone(record.firmware));
    Field(sheet, left, width, ProgrammingCertificate::tr("Device type"), DeviceTypeName(record.generation));
    const qreal leftBottom = sheet.y;
    sheet.y = top;
    Heading(sheet, right, width, ProgrammingCertificate::tr("Programming"));
    Field(sheet, right, width, ProgrammingCertificate::tr("Date"), Utc(record.at));
    Field(sheet, right, width, ProgrammingCertificate::tr("Local time"), Local(record.at));
    Field(sheet, right, width, ProgrammingCertificate::tr("User"), OrNone(record.user));
    Field(sheet, right, width, ProgrammingCertificate::tr("Computer"), OrNone(record.computer));
    Field(sheet, right, width, ProgrammingCertificate::tr("Programmed with"),
        ProgrammingCertificate::tr("velmora (%1)").arg(ProgrammingHistory::SourceText(record.source)));
    sheet.y = qMax(leftBottom, sheet.y) + sheet.Mm(6);
}

void Verdict(Sheet& sheet, bool verified)
{
    const QRectF box(sheet.area.left(), sheet.y, sheet.area.width(), sheet.Mm(11));
    sheet.painter.setPen(Qt::NoPen);
    sheet.painter.setBrush(verified ? verifiedFill : unverifiedFill);
    sheet.painter.drawRoundedRect(box, sheet.Mm(1.5), sheet.Mm(1.5));
    const QString text = verified
        ? ProgrammingCertificate::tr("Verified: written and read back")
        : ProgrammingCertificate::tr("Not verified: not confirmed by reading the device back");
    Put(sheet, box.adjusted(sheet.Mm(4), 0, -sheet.Mm(4), 0), Font(11.5, true),
        verified ? verifiedInk : unverifiedInk, text);
    sheet.y = box.bottom() + sheet.Mm(8);
}

// What the owner asks about later, in the order shown: how often and on which
// frequencies the device reports, its alerts and its voyage log. Name, MMSI,
// call sign and dimensions head the page already.
const QStringList& ShownPaths()
{
    static const QStringList paths
        = { QStringLiteral("vessel.type"), QStringLiteral("messages.positionInterval"),
              QStringLiteral("messages.highRateEnabled"), QStringLiteral("messages.highRateSog"),
              QStringLiteral("messages.highRateInterval"), QStringLiteral("messages.channelAFrequency"),
              QStringLiteral("messages.channelBEnabled"), QStringLiteral("messages.channelBFrequency"),
              QStringLiteral("control.sosAlertEnabled"), QStringLiteral("control.sosMessage"),
              QStringLiteral("control.sosAudibleAlert"), QStringLiteral("control.geofenceAudibleAlert"),
              QStringLiteral("powerBox.disconnectAlert"), QStringLiteral("voyageLog.enabled"),
              QStringLiteral("voyageLog.period"), QStringLiteral("voyageLog.distance") };
    return paths;
}

// A setting's readable name is "Group: name"; the group heads its rows.
void SettingRow(Sheet& sheet, const QString& name, const QString& value, QString* group, int* row)
{
    const int colon = name.indexOf(QStringLiteral(": "));
    const QString rowGroup = colon < 0 ? QString() : name.left(colon);
    if (rowGroup != *group) {
        sheet.y += sheet.Mm(*group == QString() ? 0 : 3);
        Put(sheet, QRectF(sheet.area.left(), sheet.y, sheet.area.width(), sheet.Mm(6)), Font(10, true),
            accent, rowGroup);
        sheet.y += sheet.Mm(6);
        *group = rowGroup;
        *row = 0;
    }
    const QRectF box(sheet.area.left(), sheet.y, sheet.area.width(), sheet.Mm(5.5));
    if ((*row)++ % 2 == 0) {
        sheet.painter.fillRect(box, shade);
    }
    const qreal valueLeft = box.left() + box.width() * 0.5;
    const qreal pad = sheet.Mm(2);
    Put(sheet, QRectF(box.left() + pad, box.top(), valueLeft - box.left() - pad, box.height()), Font(9.5),
        ink, name.mid(colon < 0 ? 0 : colon + 2));
    Put(sheet, QRectF(valueLeft, box.top(), box.right() - valueLeft - pad, box.height()), Font(9.5), ink,
        value);
    sheet.y = box.bottom();
}

void Settings(Sheet& sheet, const ProgrammingRecord& record, const ProfileReadResult& read)
{
    Heading(
        sheet, sheet.area.left(), sheet.area.width(), ProgrammingCertificate::tr("Main settings as sent"));
    if (!read.ok) {
        Line(sheet, Font(10), quiet,
            record.settings.isEmpty() ? ProgrammingCertificate::tr("The settings sent are not on record.")
                                      : ProgrammingCertificate::tr("The settings sent could not be read: %1")
                                            .arg(read.problems.value(0)));
        return;
    }
    QString group;
    int row = 0;
    // A record lists only what was sent, and marks what was only read.
    for (const QString& path : ShownPaths()) {
        for (const ProfileSetting& setting : ProfileSetting::All()) {
            const Profile::Source source = read.profile.SourceOf(setting);
            if (setting.Path() != path || !setting.HeldBy(read.profile.Origin().generation)
                || source == Profile::Source::Absent) {
                continue;
            }
            const QString value = setting.Shown(read.profile);
            SettingRow(sheet, setting.name,
                source == Profile::Source::Read
                    ? ProgrammingCertificate::tr("%1 (read, not sent)").arg(value)
                    : value,
                &group, &row);
        }
    }
}

void Footer(Sheet& sheet)
{
    const QFont font = Font(8);
    const qreal height = Height(sheet, font);
    sheet.y = sheet.area.bottom() - height - sheet.Mm(2);
    Rule(sheet, shade.darker(130), 0.3);
    Put(sheet, QRectF(sheet.area.left(), sheet.area.bottom() - height, sheet.area.width(), height), font,
        quiet, ProgrammingCertificate::tr("Keep this page with the vessel's papers."));
}

bool Fail(QString* error, const QString& message)
{
    if (error) {
        *error = message;
    }
    return false;
}

} // namespace

bool ProgrammingCertificate::WritePdf(const ProgrammingRecord& record, const QString& path, QString* error)
{
    // Without a QGuiApplication there are no fonts, and drawing text would crash the program.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        return Fail(error,
            tr("Cannot write %1: the program was started without fonts (no QGuiApplication)").arg(path));
    }
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 15), QPageLayout::Millimeter);
    writer.setTitle(tr("Programming certificate, MMSI %1").arg(record.mmsi));
    writer.setCreator(QStringLiteral("velmora " VELMORA_VERSION));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return Fail(error, tr("Cannot write %1: the PDF could not be started").arg(path));
    }
    Draw(record, painter);
    painter.end();
    return CompleteFile::Write(path, pdf, error);
}

void ProgrammingCertificate::Print(const ProgrammingRecord& record, QPrinter* printer)
{
    QPainter painter;
    if (painter.begin(printer)) {
        Draw(record, painter);
    }
}

QString ProgrammingCertificate::FileName(const ProgrammingRecord& record)
{
    // The serial number comes from the device: nothing in it may lead the
    // file into another folder or make a name the platform refuses.
    const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_.-]"));
    const QString at = record.at.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QStringList { record.mmsi, record.serialNumber, at }
               .join(QLatin1Char('-'))
               .replace(unsafe, QStringLiteral("_"))
        + QStringLiteral(".pdf");
}

void ProgrammingCertificate::Draw(const ProgrammingRecord& record, QPainter& painter)
{
    QPaintDevice* device = painter.device();
    Sheet sheet { painter, QRectF(0, 0, device->width(), device->height()), device->logicalDpiX() / 25.4, 0 };
    painter.setRenderHint(QPainter::Antialiasing);
    const ProfileReadResult settings = ProfileFile::FromJson(record.settings);
    Title(sheet);
    Vessel(sheet, record, settings);
    Facts(sheet, record);
    Verdict(sheet, record.verified);
    Settings(sheet, record, settings);
    Footer(sheet);
}
