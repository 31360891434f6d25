#pragma once

#include <QDialog>

class Model;
class Profile;
class QDialogButtonBox;
class QFormLayout;
class QLineEdit;
class QRadioButton;
class QValidator;

// Asks for the MMSI, name and call sign of the vessel whose Identifier takes
// a profile of another identity. The fields start from what the device
// holds, or from the profile when it is an earlier one of this device; the
// profile's identity is shown above them. Where the dimensions differ, it
// also asks whose to take.
class VesselIdentityDialog : public QDialog {
    Q_OBJECT

public:
    // source: where the profile comes from, as a phrase ("the Identifier 2051...").
    VesselIdentityDialog(const Profile& profile, const Profile& device, bool ownProfile,
        const QString& source, QWidget* parent);

    // Same MMSI, name, call sign and dimensions: there is nothing to ask.
    static bool Alike(const Profile& a, const Profile& b);

    QString Mmsi() const;
    // Writes the answers into model, over the profile's; dimensions not
    // taken are the device's.
    void ApplyTo(Model& model, const Profile& device) const;

private:
    static bool SameDimensions(const Profile& a, const Profile& b);
    static QString Dimensions(const Profile& profile);
    void AddDimensionChoice(const Profile& profile, const Profile& device, bool ownProfile);
    QLineEdit* AddField(const QString& label, const char* name, const QString& text, QValidator* validator);
    void RefreshOk();

    QFormLayout* form;
    QLineEdit* mmsi;
    QLineEdit* vesselName;
    QLineEdit* callSign;
    QRadioButton* takeDimensions = nullptr;
    QDialogButtonBox* buttons;
};
