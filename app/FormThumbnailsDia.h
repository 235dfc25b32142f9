#pragma once
// "Thumbnails": every formation drawn small on the chosen background, so
// that a line-up can be found by its look; a double click picks it.
#include <QDialog>

class QListWidget;
namespace quorvex {
struct RomData;
}

class CFormThumbnailsDia : public QDialog {
    Q_OBJECT
public:
    CFormThumbnailsDia(quorvex::RomData& rd, int current, int background, QWidget* parent = nullptr);
    // The formation picked (the one shown at opening until another is).
    int Selected() const;
    QListWidget* List() const { return m_list; }

private:
    QListWidget* m_list;
};
