#include "MonsterEd.h"

#include <QTabWidget>

#include "C8ByteAnimPage.h"
#include "EditorRegistry.h"
#include "MessageService.h"
#include "MonsterSpecsPage.h"
#include "MstQutsPage.h"
#include "controls/FieldControls.h"
#include "rom/Document.h"
#include "text/DialogEditor.h"

using namespace quorvex;

MonsterPageFactory& MonsterScriptPageFactory()
{
    static MonsterPageFactory factory;
    return factory;
}

MonsterReportFn& MonsterReportWriter()
{
    static MonsterReportFn writer;
    return writer;
}

CMonsterEd::CMonsterEd(CQuorvexDoc& doc, QWidget* parent)
    : CEditorSheet(doc, QStringLiteral("Quorvex: Monsters Editor"), parent)
{
    // The long name lists are drawn once per image, behind a progress window.
    CProgressWindow progress(this);
    m_specs = new CMonsterSpecsPage(this, &progress);
    AddPage(m_specs, QStringLiteral("Specs"));
    if (MonsterScriptPageFactory())
        if (QWidget* script = MonsterScriptPageFactory()(*this))
            AddPage(script, QStringLiteral("Battle Script"));
    AddPage(new C8ByteAnimPage(this, AnimMode::EnemySpecials), QStringLiteral("Enemy Specials Anim."));
    for (bool big : {false, true}) {
        const std::string refusal = MonsterQuoteRefusal(Rom(), big);
        if (!refusal.empty()) {
            MessageService::Instance().Error(QString::fromStdString(refusal), this);
            continue;
        }
        AddPage(new CMstQutsPage(this, big), big ? QStringLiteral("Big Quotes") : QStringLiteral("Small Quotes"));
    }
    progress.hide();
}

CMonsterEd::~CMonsterEd() = default;

QWidget* CMonsterEd::Page(const QString& title) const
{
    for (int i = 0; i < Tabs()->count(); ++i)
        if (Tabs()->tabText(i) == title)
            return Tabs()->widget(i);
    return nullptr;
}

void CMonsterEd::Run(QWidget* parent, CQuorvexDoc& doc)
{
    CMonsterEd sheet(doc, parent);
    sheet.exec();
}

namespace {
const EditorRegistration kMonsterEditor{EditorCommand::MonsterEditor,
                                        [](QWidget* parent, CQuorvexDoc& doc) { CMonsterEd::Run(parent, doc); }};
} // namespace
