#pragma once
// "Quorvex: Items Editor": the item sheet. Its pages, in order: "Reg.
// Items", "Reg. Items (adv.)", "Shops", "Rare Items", "Misc.", "Morph
// packs", "Tools Anim.", "Items Anim." and "Weapon Anim.". The two item
// pages show the same item: leaving one for the other carries the item
// over. OK and Cancel are the shared sheet's.
#include "controls/EditorSheet.h"

class CRegItemsPage;
class CRegItemsAdvPage;
class CShopsPage;
class CRareItemsPage;
class CItemMiscPage;

class CItemEd : public CEditorSheet {
    Q_OBJECT
public:
    CItemEd(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);

    CRegItemsPage* Items() const { return m_items; }
    CRegItemsAdvPage* Advanced() const { return m_advanced; }
    CShopsPage* Shops() const { return m_shops; }
    CRareItemsPage* RareItems() const { return m_rare; }
    CItemMiscPage* Misc() const { return m_misc; }
    // The page under a tab title, or null.
    QWidget* Page(const QString& title) const;

    static void Run(QWidget* parent, quorvex::CQuorvexDoc& doc);

private:
    void OnTabChanged(int index);

    CRegItemsPage* m_items = nullptr;
    CRegItemsAdvPage* m_advanced = nullptr;
    CShopsPage* m_shops = nullptr;
    CRareItemsPage* m_rare = nullptr;
    CItemMiscPage* m_misc = nullptr;
    QWidget* m_left = nullptr; // the page shown before the tab changed
};
