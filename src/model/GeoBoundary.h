#pragma once

#include "model/ModelObject.h"

// The satellite-tracking boundary and its fence switches. Like the message
// settings, they survive a model reset.
class GeoBoundary : public ModelObject {
    Q_OBJECT

public:
    GeoBoundary() = default;
    GeoBoundary(const GeoBoundary&) = default;
    GeoBoundary& operator=(const GeoBoundary&) = default;

    void reset() override;

    bool boundaryEnabled() const { return m_boundaryEnabled; }
    void setBoundaryEnabled(bool enabled) { m_boundaryEnabled = enabled; }
    bool insideBoundary() const { return m_insideBoundary; }
    void setInsideBoundary(bool inside) { m_insideBoundary = inside; }
    bool operationalFenceEnabled() const { return m_operationalFenceEnabled; }
    void setOperationalFenceEnabled(bool enabled) { m_operationalFenceEnabled = enabled; }
    bool halvexFenceEnabled() const { return m_halvexFenceEnabled; }
    void setHalvexFenceEnabled(bool enabled) { m_halvexFenceEnabled = enabled; }
    bool encryptionFenceEnabled() const { return m_encryptionFenceEnabled; }
    void setEncryptionFenceEnabled(bool enabled) { m_encryptionFenceEnabled = enabled; }

private:
    bool m_boundaryEnabled = false;
    bool m_insideBoundary = true;
    bool m_operationalFenceEnabled = true;
    bool m_halvexFenceEnabled = true;
    bool m_encryptionFenceEnabled = true;
};
