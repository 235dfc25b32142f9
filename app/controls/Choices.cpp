#include "controls/Choices.h"

#include <QComboBox>

#include "RenSmallDia.h"
#include "rom/RomData.h"

using namespace quorvex;

QStandardItemModel* MakeChoices(QObject* owner, const QStringList& labels, const QList<int>& values)
{
    auto* model = new QStandardItemModel(owner);
    for (int k = 0; k < labels.size(); ++k) {
        auto* item = new QStandardItem(labels[k]);
        item->setData(k < values.size() ? values[k] : k, Qt::UserRole);
        model->appendRow(item);
    }
    return model;
}

void UseChoices(QComboBox* combo, QStandardItemModel* choices)
{
    combo->setModel(choices);
    combo->setMaxVisibleItems(20);
    // Sized by a name's length rather than by measuring every entry of a
    // long shared list each time a layout asks.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
}

QString NameLabel(const RomData& rd, NameListId id, int index)
{
    return QString::fromStdWString(GetNameList(rd, id).Decode(static_cast<uint32_t>(index), rd.romType));
}

QString SpellLabel(const RomData& rd, int index) { return QString::fromStdWString(SpellListText(rd, index)); }

QStringList NameLabels(const RomData& rd, NameListId id, int count)
{
    QStringList labels;
    for (int i = 0; i < count; ++i)
        labels << NameLabel(rd, id, i);
    return labels;
}


QPixmap NamePixmap(const RomData& rd, NameListId id, int index, int scale)
{
    const std::vector<uint8_t> name = GetNameList(rd, id).Get(static_cast<uint32_t>(index));
    if (name.empty())
        return QPixmap();
    return QPixmap::fromImage(NamePictureToImage(
        DrawNamePicture(name.data(), name.size(), rd.gfx.bitmaps.smallFont, rd.names.preproc.Colors()), scale));
}
