#pragma once
// "Quorvex: Monsters Editor": the monster sheet. Its pages, in order:
// "Specs", "Battle Script" (when a battle-script page has registered and
// the image's scripts can be edited), "Enemy Specials Anim.", "Small
// Quotes" and "Big Quotes" (each left out, with the reason, when its
// block's pointers were hand edited). OK and Cancel are the shared sheet's.
#include <functional>

#include "controls/EditorSheet.h"

class CMonsterSpecsPage;
class CProgressWindow;

class CMonsterEd : public CEditorSheet {
    Q_OBJECT
public:
    CMonsterEd(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);
    ~CMonsterEd() override;

    CMonsterSpecsPage* Specs() const { return m_specs; }
    // The page under a tab title, or null.
    QWidget* Page(const QString& title) const;

    static void Run(QWidget* parent, quorvex::CQuorvexDoc& doc);

private:
    CMonsterSpecsPage* m_specs = nullptr;
};

// The "Battle Script" page comes from its own source file, which registers
// how to make it: the factory returns the page (a QWidget that is also a
// CSheetPage), or null when the image's battle scripts cannot be edited.
using MonsterPageFactory = std::function<QWidget*(CMonsterEd& sheet)>;
MonsterPageFactory& MonsterScriptPageFactory();
struct MonsterScriptPageRegistration {
    explicit MonsterScriptPageRegistration(MonsterPageFactory factory) { MonsterScriptPageFactory() = std::move(factory); }
};

// "Make report" on the Specs page writes the monster report through the
// writer registered here; without one the button is disabled.
using MonsterReportFn = std::function<void(QWidget* parent, quorvex::RomData& rd)>;
MonsterReportFn& MonsterReportWriter();
struct MonsterReportRegistration {
    explicit MonsterReportRegistration(MonsterReportFn writer) { MonsterReportWriter() = std::move(writer); }
};
