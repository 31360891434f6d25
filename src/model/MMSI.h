#pragma once

#include "model/ModelObject.h"

// The vessel's MMSI as nine decimal digits.
class MMSI : public ModelObject {
    Q_OBJECT

public:
    MMSI() = default;
    MMSI(const MMSI&) = default;
    MMSI& operator=(const MMSI&) = default;

    void reset() override;

    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    // An empty MMSI and the all-zero default both mean "not programmed".
    bool isUnset() const;
    // A ship's MMSI: nine digits, the first not zero. Text that is no
    // number reads as 0.
    bool isInRange() const;

private:
    QString m_text = QStringLiteral("000000000");
};
