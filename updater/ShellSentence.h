#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The updater's own small sentence code: the shell command in the form the
// updater sends it (mode 1, the security token in decimal, only "," escaped)
// and a scanner for the device's answers.
namespace ShellSentence {

// Answers longer than this, from start character to checksum, are not taken.
constexpr int MaxAnswerLength = 80;

// The complete sentence, checksum and CR LF included, that runs text on the
// device's shell in the given security domain (0 to 3).
QByteArray command(const QString& text, int domain);

// The fields of the first valid sentence found in received text, field 0
// being the address without its start character; empty when there is none.
QStringList fields(const QByteArray& received);

} // namespace ShellSentence
