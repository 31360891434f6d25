#pragma once

#include <QString>

// Joins the pieces read from the link into whole lines. A piece is what one
// read of at most a line gives: a line longer than the read buffer, or one
// whose end has not arrived yet, comes in several.
class LineAssembler {
public:
    enum class Kind {
        Nothing, // dropped, or held until its line end arrives
        Sent, // a transmission recorded in a replayed file
        Prompt, // the device's short prompt, which has no line end
        Line, // a whole line, carriage returns removed, final line feed kept
    };

    struct Result {
        Kind kind = Kind::Nothing;
        QString text;
    };

    // A device that sends no line end must not fill the memory: a line that
    // grows past this many characters is dropped up to its line end.
    static constexpr int MaxLineLength = 65536;

    Result take(const QString& piece, bool replaying);
    void clear();

private:
    Result completeLine(const QString& piece);
    void hold(const QString& piece);
    bool fits(const QString& piece) const;

    QString m_buffer;
    bool m_overlong = false;
};
