#include "PageParts.h"

#include <QHeaderView>

#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/EditorSheet.h"
#include "rom/TableDesc.h"

QStringList LabelList(const char* const* names, int count)
{
    QStringList l;
    for (int i = 0; i < count; ++i)
        l << QString::fromLatin1(names[i]);
    return l;
}

QStringList BitLabels(int count)
{
    QStringList l;
    for (int i = 0; i < count; ++i)
        l << QStringLiteral("Bit %1").arg(i);
    return l;
}

CNameListModel* SheetNameList(CEditorSheet* sheet, quorvex::PreprocList list, int count, CProgressWindow* progress)
{
    const QString name = QStringLiteral("names%1/%2").arg(static_cast<int>(list)).arg(count);
    if (auto* shared = sheet->findChild<CNameListModel*>(name, Qt::FindDirectChildrenOnly))
        return shared;
    CNameListModel* model = MakeNameListModel(sheet->Rom(), list, 0, count, sheet,
                                              progress ? progress->Callback() : quorvex::CPreprocRomData::Progress{});
    model->setObjectName(name);
    return model;
}

QString FieldText(const quorvex::RomData& rd, const quorvex::FieldDesc& field, int record)
{
    if (!field.Has(rd, record))
        return {};
    const quorvex::FieldValue v = quorvex::GetField(rd, field, record);
    const auto* s = std::get_if<std::string>(&v);
    return s ? QString::fromStdString(*s) : QString();
}

CCheckListControl* FlagList(const QStringList& rows, const QString& title, QWidget* parent)
{
    auto* list = new CCheckListControl(rows, {QStringLiteral("On")}, parent);
    list->setHorizontalHeaderItem(0, new QTableWidgetItem(title));
    list->verticalHeader()->setDefaultSectionSize(18);
    list->verticalHeader()->hide();
    list->resizeColumnsToContents();
    list->setMinimumWidth(list->horizontalHeader()->length() + 24);
    const int shown = static_cast<int>(std::min<qsizetype>(rows.size(), 8));
    list->setFixedHeight(shown * 18 + list->horizontalHeader()->sizeHint().height() + 4);
    return list;
}

CCheckListControl* CKeyedLists::Find(const char* key) const
{
    for (const auto& [k, list] : m_lists)
        if (std::string_view(k) == key)
            return list;
    return nullptr;
}
