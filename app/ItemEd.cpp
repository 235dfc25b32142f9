#include "ItemEd.h"

#include <QTabWidget>

#include "C14ByteAnimPage.h"
#include "C8ByteAnimPage.h"
#include "EditorRegistry.h"
#include "ItemMiscPage.h"
#include "MorphPackEd.h"
#include "RareItemsPage.h"
#include "RegItemsAdvPage.h"
#include "RegItemsPage.h"
#include "ShopsPage.h"
#include "controls/FieldControls.h"

using namespace quorvex;

CItemEd::CItemEd(CQuorvexDoc& doc, QWidget* parent)
    : CEditorSheet(doc, QStringLiteral("Quorvex: Items Editor"), parent)
{
    // The item names are drawn once per image, behind a progress window.
    CProgressWindow progress(this);
    m_items = new CRegItemsPage(this, &progress);
    m_advanced = new CRegItemsAdvPage(this, &progress);
    m_shops = new CShopsPage(this, &progress);
    m_rare = new CRareItemsPage(this, &progress);
    m_misc = new CItemMiscPage(this);
    AddPage(m_items, QStringLiteral("Reg. Items"));
    AddPage(m_advanced, QStringLiteral("Reg. Items (adv.)"));
    AddPage(m_shops, QStringLiteral("Shops"));
    AddPage(m_rare, QStringLiteral("Rare Items"));
    AddPage(m_misc, QStringLiteral("Misc."));
    AddPage(new CMorphPackEd(this, &progress), QStringLiteral("Morph packs"));
    AddPage(new C14ByteAnimPage(this, AnimMode::Tools), QStringLiteral("Tools Anim."));
    AddPage(new C14ByteAnimPage(this, AnimMode::Items), QStringLiteral("Items Anim."));
    AddPage(new C8ByteAnimPage(this, AnimMode::Weapons), QStringLiteral("Weapon Anim."));
    progress.hide();
    connect(m_misc, &CItemMiscPage::typeRenamed, m_items, &CRegItemsPage::ReloadKinds);
    m_left = Tabs()->currentWidget();
    connect(Tabs(), &QTabWidget::currentChanged, this, &CItemEd::OnTabChanged);
}

QWidget* CItemEd::Page(const QString& title) const
{
    for (int i = 0; i < Tabs()->count(); ++i)
        if (Tabs()->tabText(i) == title)
            return Tabs()->widget(i);
    return nullptr;
}

void CItemEd::OnTabChanged(int index)
{
    // What the page left shows goes into the tables first, so that the page
    // entered shows it (the kind chosen on one item page sets the captions
    // of the other).
    if (auto* left = dynamic_cast<CSheetPage*>(m_left))
        left->StoreShown();
    QWidget* entered = Tabs()->widget(index);
    if (entered == m_advanced)
        m_advanced->Follow(m_left == m_items ? m_items->Current() : m_advanced->Current());
    else if (entered == m_items)
        m_items->Follow(m_left == m_advanced ? m_advanced->Current() : m_items->Current());
    m_left = entered;
}

void CItemEd::Run(QWidget* parent, CQuorvexDoc& doc)
{
    CItemEd sheet(doc, parent);
    sheet.exec();
}

namespace {
const EditorRegistration kItemEditor{EditorCommand::ItemEditor,
                                     [](QWidget* parent, CQuorvexDoc& doc) { CItemEd::Run(parent, doc); }};
} // namespace
