#include "NameCombo.h"

#include <QComboBox>
#include <QSpinBox>

#include "rom/RomData.h"

using namespace quorvex;

void FillNameCombo(QComboBox* combo, const RomData& rd, NameListId list, int count)
{
    const NameList& names = GetNameList(rd, list);
    QStringList texts;
    texts.reserve(count);
    for (int i = 0; i < count; ++i)
        texts << QString::fromStdWString(names.Decode(static_cast<uint32_t>(i), rd.romType));
    combo->clear();
    combo->addItems(texts);
    for (int i = 0; i < count; ++i)
        combo->setItemData(i, i);
}

void FillTextCombo(QComboBox* combo, const std::vector<std::string>& texts)
{
    combo->clear();
    for (size_t i = 0; i < texts.size(); ++i)
        combo->addItem(QString::fromStdString(texts[i]), static_cast<int>(i));
}

void LinkSpinToCombo(QSpinBox* spin, QComboBox* combo)
{
    spin->setRange(0, std::max(0, combo->count() - 1));
    QObject::connect(spin, &QSpinBox::valueChanged, combo, [combo](int v) {
        if (combo->currentIndex() != v)
            combo->setCurrentIndex(v);
    });
    QObject::connect(combo, &QComboBox::currentIndexChanged, spin, [spin](int i) {
        if (i >= 0 && spin->value() != i)
            spin->setValue(i);
    });
}
