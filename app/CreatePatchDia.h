#pragma once
// "Create Patch": the patch that turns an original image, chosen here, into
// the open image as it is saved on disk, in BPS or IPS.
#include <QDialog>

class CFileField;
class QPushButton;
class QRadioButton;

class CCreatePatchDia : public QDialog {
    Q_OBJECT
public:
    CCreatePatchDia(const QString& imagePath, QWidget* parent = nullptr);

    // Beside the image, with its name: "hack.smc" gives "hack.bps".
    static QString DefaultPatchPath(const QString& imagePath, bool bps);

    CFileField* OriginalField() const { return m_original; }
    CFileField* PatchField() const { return m_patch; }
    QRadioButton* BpsButton() const { return m_bps; }
    QRadioButton* IpsButton() const { return m_ips; }
    QPushButton* CreateButton() const { return m_create; }

    // Writes the patch; on a refusal the message is shown and the dialog
    // stays open.
    void accept() override;

private:
    void FormatChosen();
    void PatchNamed(const QString& path);

    QString m_image;
    CFileField* m_original = nullptr;
    CFileField* m_patch = nullptr;
    QRadioButton* m_bps = nullptr;
    QRadioButton* m_ips = nullptr;
    QPushButton* m_create = nullptr;
};
