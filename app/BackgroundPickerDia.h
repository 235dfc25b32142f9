#pragma once
// "Select background": thumbnails of every battle background in the list's
// order, with a large preview of the chosen one.
#include <QDialog>

class QLabel;
class QListWidget;
namespace quorvex {
class CQuorvexDoc;
}

class CBackgroundPickerDia : public QDialog {
    Q_OBJECT
public:
    CBackgroundPickerDia(quorvex::CQuorvexDoc& doc, int currentId, QWidget* parent = nullptr);
    // The chosen background's identifier (-1 for "???").
    int SelectedId() const;
    QListWidget* List() const { return m_list; }

private:
    void ShowPreview();
    quorvex::CQuorvexDoc& m_doc;
    QListWidget* m_list;
    QLabel* m_preview;
};
