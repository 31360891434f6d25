#include "cUpdateRequest.h"

#include <QCoreApplication>

namespace {

// The configuration program quotes the image path so that spaces survive its
// command line; where it arrives with the quotes still on, they are dropped.
QString unquoted(const QString& text)
{
    const QLatin1Char quote('"');
    if (text.size() >= 2 && text.startsWith(quote) && text.endsWith(quote)) {
        return text.mid(1, text.size() - 2);
    }
    return text;
}

} // namespace

bool cUpdateRequest::fromArguments(const QStringList& arguments, cUpdateRequest* request)
{
    if (arguments.size() < 4 || !BaudTypes::fromNumber(arguments.at(3), &request->baudCode)) {
        return false;
    }
    request->imagePath = unquoted(arguments.at(1));
    request->portName = arguments.at(2);
    return !request->imagePath.isEmpty() && !request->portName.isEmpty();
}

QString cUpdateRequest::usage(const QString& programName)
{
    return QCoreApplication::translate(
        "cUpdateRequest", "usage: %1 IMAGE PORT BAUDCODE  (BAUDCODE 15 for 38400 baud, 19 for 115200 baud)")
        .arg(programName);
}
