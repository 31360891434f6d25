#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Helpers shared by the harnesses. Inputs stay far below 2 GB, so a size
// always fits an int.

inline QByteArray inputBytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

// The bytes as the serial port hands them on: one Latin-1 character each.
inline QString deviceText(const uint8_t* data, size_t size)
{
    return QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

// Received lines as the serial controller delivers them, each keeping its
// line feed; the last one may lack it.
inline QStringList deviceLines(const uint8_t* data, size_t size)
{
    QStringList lines = deviceText(data, size).split(QLatin1Char('\n'));
    for (int i = 0; i + 1 < lines.size(); ++i) {
        lines[i] += QLatin1Char('\n');
    }
    return lines;
}

// A broken property is a finding like a crash: abort, so that libFuzzer
// keeps the input.
inline void require(bool holds)
{
    if (!holds) {
        std::abort();
    }
}

// Warnings about odd input are expected by the thousand; printing them would
// only slow the fuzzer down.
inline void quietQt()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}
