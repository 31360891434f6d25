#pragma once

#include <QString>

// The device password for a locked device, never from the command line.
class TerminalPassword {
public:
    // The first line of the file, without its line end. False + message naming the file when it
    // cannot be read or is empty.
    static bool FromFile(const QString& path, QString* password, QString* error);
    // Asks on the controlling terminal (prompt to stderr) with echo off, restoring the terminal
    // settings afterwards even on failure. False when standard input is not a terminal (then no
    // password can be asked: the caller reports that --password-file is needed), and when the
    // input ends or Ctrl-C is pressed before Enter; Ctrl-C then reaches the program as usual.
    static bool Ask(const QString& prompt, QString* password);
};
