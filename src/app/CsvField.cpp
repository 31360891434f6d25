#include "app/CsvField.h"

QString CsvField::Quoted(const QString& text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    for (const QChar c : text) {
        if (special.contains(c)) {
            QString quoted = text;
            quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return text;
}

QString CsvField::Line(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields)
        quoted << Quoted(field);
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QList<QStringList> CsvField::Split(const QString& text)
{
    QList<QStringList> lines;
    QStringList fields;
    QString field;
    bool quoted = false;
    const auto endLine = [&] {
        fields << field;
        if (fields.size() > 1 || !fields.first().isEmpty())
            lines << fields;
        fields.clear();
        field.clear();
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"'))
                field += text.at(++i);
            else
                quoted = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            endLine();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (!field.isEmpty() || !fields.isEmpty())
        endLine();
    return lines;
}
