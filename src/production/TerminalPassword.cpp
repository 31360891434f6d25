#include "production/TerminalPassword.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("TerminalPassword", text);
}

void WritePrompt(const QString& prompt)
{
    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

#ifndef Q_OS_WIN

// Drops the last character typed, with every byte of it when it is not ASCII.
void EraseLast(QByteArray* line)
{
    while (!line->isEmpty() && (static_cast<unsigned char>(line->back()) & 0xC0) == 0x80) {
        line->chop(1);
    }
    line->chop(1);
}

enum class LineEnd { Entered, Interrupted, Closed };

// Reads key by key from a terminal with echo and line editing off, doing the erasing itself.
LineEnd ReadSecretLine(const termios& keys, QByteArray* line)
{
    for (;;) {
        char c = 0;
        const ssize_t got = read(STDIN_FILENO, &c, 1);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0 || (c == static_cast<char>(keys.c_cc[VEOF]) && line->isEmpty())) {
            return LineEnd::Closed;
        }
        if (c == '\n' || c == '\r') {
            return LineEnd::Entered;
        }
        if (c == static_cast<char>(keys.c_cc[VINTR])) {
            return LineEnd::Interrupted;
        }
        if (c == static_cast<char>(keys.c_cc[VERASE]) || c == '\b') {
            EraseLast(line);
        } else if (c == static_cast<char>(keys.c_cc[VKILL])) {
            line->clear();
        } else {
            *line += c;
        }
    }
}

#endif

} // namespace

bool TerminalPassword::FromFile(const QString& path, QString* password, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = Tr("Cannot read the password file %1: %2").arg(path, file.errorString());
        }
        return false;
    }
    QByteArray line = file.readLine();
    // Editors on Windows may start the file with a byte order mark; it is no part of the password.
    if (line.startsWith("\xEF\xBB\xBF")) {
        line.remove(0, 3);
    }
    while (line.endsWith('\n') || line.endsWith('\r')) {
        line.chop(1);
    }
    if (line.isEmpty()) {
        if (error) {
            *error = Tr("The password file %1 holds no password on its first line.").arg(path);
        }
        return false;
    }
    *password = QString::fromUtf8(line);
    return true;
}

#ifdef Q_OS_WIN

bool TerminalPassword::Ask(const QString& prompt, QString* password)
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD saved = 0;
    if (input == INVALID_HANDLE_VALUE || input == nullptr || !GetConsoleMode(input, &saved)) {
        return false;
    }
    WritePrompt(prompt);
    SetConsoleMode(input, (saved & ~ENABLE_ECHO_INPUT) | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT);
    QString line;
    bool entered = false;
    wchar_t buffer[128];
    DWORD got = 0;
    // A line longer than the buffer comes in several reads; Ctrl-C ends the read with no line end.
    while (!entered && ReadConsoleW(input, buffer, 128, &got, nullptr) && got > 0) {
        line += QString::fromWCharArray(buffer, static_cast<int>(got));
        entered = line.endsWith(QLatin1Char('\n'));
    }
    SetConsoleMode(input, saved);
    WritePrompt(QStringLiteral("\n"));
    if (!entered) {
        return false;
    }
    line.chop(line.endsWith(QLatin1String("\r\n")) ? 2 : 1);
    *password = line;
    return true;
}

#else

bool TerminalPassword::Ask(const QString& prompt, QString* password)
{
    termios saved;
    if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &saved) != 0) {
        return false;
    }
    termios silent = saved;
    // Ctrl-C arrives as a key rather than a signal, so the terminal is restored before it acts.
    silent.c_lflag &= ~(ECHO | ICANON | ISIG);
    silent.c_cc[VMIN] = 1;
    silent.c_cc[VTIME] = 0;
    WritePrompt(prompt);
    if (tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent) != 0) {
        return false;
    }
    QByteArray line;
    const LineEnd end = ReadSecretLine(saved, &line);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    WritePrompt(QStringLiteral("\n"));
    if (end == LineEnd::Interrupted) {
        raise(SIGINT);
    }
    if (end != LineEnd::Entered) {
        return false;
    }
    *password = QString::fromLocal8Bit(line);
    return true;
}

#endif
