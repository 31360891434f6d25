#pragma once

#include <QValidator>

// Accepts up to nine decimal digits; exactly nine make a complete MMSI.
class MMSIValidator : public QValidator {
    Q_OBJECT

public:
    explicit MMSIValidator(QObject* parent = nullptr);

    State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
};
