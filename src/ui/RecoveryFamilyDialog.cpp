#include "ui/RecoveryFamilyDialog.h"

#include "app/UpdateImages.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QVariant>

RecoveryFamilyDialog::RecoveryFamilyDialog(
    const QMap<QString, QString>& images, const QString& preselected, QWidget* parent)
    : QDialog(parent)
    , m_images(images)
    , m_families(new QButtonGroup(this))
    , m_image(new QLabel(this))
{
    setObjectName(QStringLiteral("recoveryFamilyDialog"));
    setWindowTitle(tr("Recover the Identifier"));
    auto* layout = new QVBoxLayout(this);
    // The wrapped labels are given the height they ask for, also as the
    // image's text changes with the choice.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* question = new QLabel(
        tr("The boot loader cannot tell which Identifier it belongs to. Choose the Identifier's family:"),
        this);
    question->setWordWrap(true);
    layout->addWidget(question);
    const QMap<QString, QString> names { { QStringLiteral("050200"), tr("First generation (050200)") },
        { QStringLiteral("160200"), tr("Later generation (160200)") } };
    for (auto family = names.cbegin(); family != names.cend(); ++family) {
        auto* choice = new QRadioButton(family.value(), this);
        choice->setObjectName(QStringLiteral("family") + family.key());
        choice->setProperty("family", family.key());
        choice->setChecked(family.key() == preselected);
        m_families->addButton(choice);
        layout->addWidget(choice);
    }
    m_image->setObjectName(QStringLiteral("imageLabel"));
    m_image->setWordWrap(true);
    layout->addWidget(m_image);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_recover = buttons->addButton(tr("Recover"), QDialogButtonBox::AcceptRole);
    m_recover->setObjectName(QStringLiteral("recoverButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_families, qOverload<QAbstractButton*>(&QButtonGroup::buttonClicked), this,
        &RecoveryFamilyDialog::ShowImage);
    ShowImage();
}

QString RecoveryFamilyDialog::Family() const
{
    const QAbstractButton* chosen = m_families->checkedButton();
    return chosen ? chosen->property("family").toString() : QString();
}

QString RecoveryFamilyDialog::ImagePath() const
{
    return m_images.value(Family());
}

void RecoveryFamilyDialog::ShowImage()
{
    const QString path = ImagePath();
    m_recover->setEnabled(!path.isEmpty());
    if (Family().isEmpty()) {
        m_image->setText(tr("Choose a family to see the firmware that will be sent."));
    } else if (path.isEmpty()) {
        m_image->setText(
            tr("There is no firmware image of this family in %1.")
                .arg(QDir::toNativeSeparators(UpdateImages::DefaultFolders().join(QStringLiteral(", ")))));
    } else {
        m_image->setText(tr("The firmware %1 will be sent (%2).")
                             .arg(UpdateImages::VersionInName(path), QFileInfo(path).fileName()));
    }
}
