#include "controls/FF6Combo.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include "RenSmallDia.h"
#include "rom/RomData.h"
#include "text/TextCodec.h"

using namespace quorvex;

namespace {

// Items with a picture show the picture alone.
class PictureDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!option->icon.isNull())
            option->text.clear();
    }
};

} // namespace

CFF6Combo::CFF6Combo(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new PictureDelegate(this));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void CFF6Combo::SetList(QStandardItemModel* list)
{
    setModel(list);
    if (auto* names = qobject_cast<CNameListModel*>(list); names && names->PictureSize().isValid()) {
        // The pictures alone decide the width; the texts are never drawn.
        setIconSize(names->PictureSize());
        view()->setIconSize(names->PictureSize());
        setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        setMinimumContentsLength(1);
    }
}

void CFF6Combo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (!option.currentIcon.isNull())
        option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void CNameListModel::AddName(const NamePicture* picture, const QString& text, qint64 value)
{
    auto* item = new QStandardItem(text);
    item->setData(value, Qt::UserRole);
    item->setEditable(false);
    if (picture && !picture->Empty()) {
        const QImage image = NamePictureToImage(*picture, kNamePictureScale);
        item->setData(QPixmap::fromImage(image), Qt::DecorationRole);
        m_pictureSize = m_pictureSize.expandedTo(image.size());
    }
    appendRow(item);
}

void CNameListModel::AddText(const QString& text, qint64 value) { AddName(nullptr, text, value); }

void CNameListModel::SetName(int row, const NamePicture* picture, const QString& text)
{
    QStandardItem* it = item(row);
    if (!it)
        return;
    it->setText(text);
    if (picture && !picture->Empty())
        it->setData(QPixmap::fromImage(NamePictureToImage(*picture, kNamePictureScale)), Qt::DecorationRole);
}

QString ListNameText(const RomData& rd, PreprocList list, int index)
{
    std::wstring text;
    switch (list) {
    case PreprocList::Monster:
        text = rd.names.monsterNames.Decode(static_cast<uint32_t>(index), rd.romType);
        break;
    case PreprocList::Item:
        text = rd.names.itemNames.Decode(static_cast<uint32_t>(index), rd.romType);
        break;
    case PreprocList::RareItem:
        text = rd.names.rareItemNames.Decode(static_cast<uint32_t>(index), rd.romType);
        break;
    case PreprocList::Spell:
        text = DecodeName(SpellListName(rd, index), rd.romType);
        break;
    default:
        break;
    }
    return QString::fromStdWString(text).trimmed();
}

CNameListModel* MakeNameListModel(RomData& rd, PreprocList list, int first, int count, QObject* parent,
                                  const CPreprocRomData::Progress& progress)
{
    auto* model = new CNameListModel(parent);
    EnsureListDrawn(rd, list, progress);
    for (int i = first; i < first + count; ++i)
        model->AddName(rd.names.preproc.Picture(list, i), ListNameText(rd, list, i), i);
    return model;
}
