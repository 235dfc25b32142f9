#pragma once
// Combo boxes over the game's names, drawn as the game draws them: each
// item shows its name's picture in the small font (the item's text keeps
// the decoded name, for typing a name's first letters and for tests) and
// carries its value as item data. The lists are models that several combos
// of a page share, so a page of many item or attack combos builds each
// list once.
#include <QComboBox>
#include <QStandardItemModel>

#include "rom/PreprocRomData.h"

class CFF6Combo : public QComboBox {
    Q_OBJECT
public:
    explicit CFF6Combo(QWidget* parent = nullptr);
    // Shows a shared list; the combo's icon size follows the pictures.
    void SetList(QStandardItemModel* list);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Names are shown at twice the font's size.
constexpr int kNamePictureScale = 2;

// A list of names for CFF6Combo.
class CNameListModel : public QStandardItemModel {
    Q_OBJECT
public:
    explicit CNameListModel(QObject* parent = nullptr) : QStandardItemModel(parent) {}
    // An item showing a name's picture (text only when there is none).
    void AddName(const quorvex::NamePicture* picture, const QString& text, qint64 value);
    void AddText(const QString& text, qint64 value);
    // Draws item `row` again from a new picture and text (after a rename).
    void SetName(int row, const quorvex::NamePicture* picture, const QString& text);
    QSize PictureSize() const { return m_pictureSize; }

private:
    QSize m_pictureSize;
};

// Names `first` .. `first + count - 1` of a picture list (monsters, items,
// rare items or the spell list), the value of each being its number in the
// list. Draws the list's pictures first when needed, reporting the list's
// caption to `progress`.
CNameListModel* MakeNameListModel(quorvex::RomData& rd, quorvex::PreprocList list, int first, int count,
                                  QObject* parent, const quorvex::CPreprocRomData::Progress& progress = {});
// Name `index` of a picture list, decoded (for an item's text).
QString ListNameText(const quorvex::RomData& rd, quorvex::PreprocList list, int index);
