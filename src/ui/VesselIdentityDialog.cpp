#include "ui/VesselIdentityDialog.h"

#include "model/Model.h"
#include "model/SettingRules.h"
#include "profile/Profile.h"
#include "ui/AisValidator.h"
#include "ui/MMSIValidator.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const StaticData::Dimension dimensions[]
    = { StaticData::DimensionA, StaticData::DimensionB, StaticData::DimensionC, StaticData::DimensionD };

} // namespace

VesselIdentityDialog::VesselIdentityDialog(
    const Profile& profile, const Profile& device, bool ownProfile, const QString& source, QWidget* parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , form(new QFormLayout)
{
    setObjectName(QStringLiteral("VesselIdentityDialog"));
    setWindowTitle(tr("This vessel's identity"));
    auto* intro = new QLabel(
        tr("The profile comes from %1: MMSI %2, name \"%3\", call sign \"%4\". This "
           "Identifier takes its other settings; enter this vessel's own MMSI, name "
           "and call sign.")
            .arg(source, profile.Mmsi(), SettingRules::ShownText(profile.staticData().vesselName()),
                SettingRules::ShownText(profile.staticData().callSign())),
        this);
    intro->setWordWrap(true);
    const Profile& offered = ownProfile ? profile : device;
    // An unprogrammed device's nine zeros are no MMSI to offer.
    const QString offeredMmsi = offered.mmsi().isUnset() ? QString() : offered.Mmsi();
    mmsi = AddField(tr("MMSI:"), "lineMmsi", offeredMmsi, new MMSIValidator(this));
    vesselName = AddField(tr("Vessel name:"), "lineVesselName",
        SettingRules::ShownText(offered.staticData().vesselName()),
        new AisValidator(SettingRules::VesselNameLength, this));
    callSign
        = AddField(tr("Call sign:"), "lineCallSign", SettingRules::ShownText(offered.staticData().callSign()),
            new AisValidator(SettingRules::CallSignLength, this));
    if (!SameDimensions(profile, device))
        AddDimensionChoice(profile, device, ownProfile);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    // The wrapped introduction must not squash the rows below it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    RefreshOk();
}

// An earlier profile of this device brings its own dimensions back by default.
void VesselIdentityDialog::AddDimensionChoice(const Profile& profile, const Profile& device, bool ownProfile)
{
    auto* keepDimensions = new QRadioButton(tr("This Identifier's: %1").arg(Dimensions(device)), this);
    takeDimensions = new QRadioButton(tr("The profile's: %1").arg(Dimensions(profile)), this);
    keepDimensions->setObjectName(QStringLiteral("radioKeepDimensions"));
    takeDimensions->setObjectName(QStringLiteral("radioTakeDimensions"));
    (ownProfile ? takeDimensions : keepDimensions)->setChecked(true);
    auto* choice = new QVBoxLayout;
    choice->addWidget(keepDimensions);
    choice->addWidget(takeDimensions);
    form->addRow(tr("Dimensions:"), choice);
}

QLineEdit* VesselIdentityDialog::AddField(
    const QString& label, const char* name, const QString& text, QValidator* validator)
{
    auto* field = new QLineEdit(text, this);
    field->setObjectName(QLatin1String(name));
    field->setValidator(validator);
    connect(field, &QLineEdit::textChanged, this, &VesselIdentityDialog::RefreshOk);
    form->addRow(label, field);
    return field;
}

// The MMSI must be whole; a name or call sign may stay empty.
void VesselIdentityDialog::RefreshOk()
{
    buttons->button(QDialogButtonBox::Ok)->setEnabled(mmsi->hasAcceptableInput());
}

bool VesselIdentityDialog::Alike(const Profile& a, const Profile& b)
{
    const auto text = [](const Profile& p, QString (StaticData::*field)() const) {
        return SettingRules::ShownText((p.staticData().*field)());
    };
    return a.Mmsi() == b.Mmsi() && text(a, &StaticData::vesselName) == text(b, &StaticData::vesselName)
        && text(a, &StaticData::callSign) == text(b, &StaticData::callSign) && SameDimensions(a, b);
}

bool VesselIdentityDialog::SameDimensions(const Profile& a, const Profile& b)
{
    return Dimensions(a) == Dimensions(b);
}

QString VesselIdentityDialog::Dimensions(const Profile& profile)
{
    return profile.staticData().dimensionsText(false);
}

QString VesselIdentityDialog::Mmsi() const
{
    return mmsi->text();
}

void VesselIdentityDialog::ApplyTo(Model& model, const Profile& device) const
{
    model.mmsi()->setText(Mmsi());
    model.staticData()->setVesselName(vesselName->text().toUpper());
    model.staticData()->setCallSign(callSign->text().toUpper());
    if (!takeDimensions || takeDimensions->isChecked())
        return;
    for (const StaticData::Dimension which : dimensions)
        model.staticData()->setDimension(which, device.staticData().dimension(which));
}
