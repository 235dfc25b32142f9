#pragma once
// "Select background": thumbnails of every battle background in the list's
// order, with a large preview of the chosen one that grows with the window
// (by whole pixels).
#include <QDialog>

class CPixelArtView;
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
    CPixelArtView* Preview() const { return m_preview; }

private:
    void ShowPreview();
    quorvex::CQuorvexDoc& m_doc;
    QListWidget* m_list;
    CPixelArtView* m_preview;
};
