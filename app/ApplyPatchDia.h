#pragma once
// "Apply Patch": a BPS or IPS patch applied to the open image, which is
// replaced through the atomic save after being kept as a restore point.
// The main frame reopens the image once the dialog is accepted.
#include <QDialog>

class CFileField;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class CApplyPatchDia : public QDialog {
    Q_OBJECT
public:
    CApplyPatchDia(const QString& imagePath, int restorePoints, QWidget* parent = nullptr);

    CFileField* PatchField() const { return m_patch; }
    // What the chosen patch is (format, sizes, checksums), or why it cannot
    // be used.
    QPlainTextEdit* InfoBox() const { return m_info; }
    QPushButton* ApplyButton() const { return m_apply; }

    // Applies the patch; on a refusal the message is shown, nothing is
    // written and the dialog stays open.
    void accept() override;

private:
    void ShowInfo(const QString& path);

    QString m_image;
    int m_restorePoints;
    CFileField* m_patch = nullptr;
    QPlainTextEdit* m_info = nullptr;
    QPushButton* m_apply = nullptr;
};
