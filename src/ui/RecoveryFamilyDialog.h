#pragma once

#include <QDialog>
#include <QMap>

class QButtonGroup;
class QLabel;
class QPushButton;

// Asks which family an Identifier waiting in its boot loader belongs to,
// which the boot loader cannot tell, and shows the image that will be sent.
class RecoveryFamilyDialog : public QDialog {
    Q_OBJECT

public:
    // images: the newest image of each family ("050200", "160200"), empty
    // where there is none; preselected: the family to check first, or empty.
    RecoveryFamilyDialog(
        const QMap<QString, QString>& images, const QString& preselected, QWidget* parent = nullptr);

    // The image of the chosen family; empty when none is chosen or there is none.
    QString ImagePath() const;

private:
    QString Family() const;
    void ShowImage();

    QMap<QString, QString> m_images;
    QButtonGroup* m_families;
    QLabel* m_image;
    QPushButton* m_recover;
};
