#pragma once
// "Restore Points": the copies of the image that saves kept, newest first,
// with the tables each differs in from the image as it is now. Restore
// puts the chosen one back over the image (the image as it is now becomes
// a restore point itself first); the main frame then reopens the image.
#include <QDialog>
#include <vector>

#include "rom/ImageDiff.h"

class QLabel;
class QPushButton;
class QTreeWidget;

class CRestorePointsDia : public QDialog {
    Q_OBJECT
public:
    CRestorePointsDia(const QString& imagePath, int restorePoints, QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }
    QPushButton* RestoreButton() const { return m_restore; }
    QLabel* EmptyLabel() const { return m_empty; }

    // Restores the selected restore point after asking; the dialog is
    // accepted once the image was replaced.
    void Restore();

private:
    void Fill();

    QString m_image;
    int m_restorePoints;
    std::vector<quorvex::RestorePointRow> m_rows;
    QTreeWidget* m_list = nullptr;
    QLabel* m_empty = nullptr;
    QPushButton* m_restore = nullptr;
};
