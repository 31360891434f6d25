#pragma once

#include <QValidator>

// Restricts a text to the printable part of the AIS six-bit character set
// (space to underscore). Lower-case letters are tolerated while typing and
// turned into upper case by fixup().
class AisValidator : public QValidator {
    Q_OBJECT

public:
    AisValidator(int maxLength, QObject* parent);

    State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;

private:
    int maxLength;
};
