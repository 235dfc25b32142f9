#include "MagicEd.h"

#include "C14ByteAnimPage.h"
#include "EditorRegistry.h"
#include "EsperExtrasPage.h"
#include "SpellsPage.h"
#include "controls/FieldControls.h"

using namespace quorvex;

CMagicEd::CMagicEd(CQuorvexDoc& doc, QWidget* parent)
    : CEditorSheet(doc, QStringLiteral("Quorvex: Magic Spells Editor"), parent)
{
    // The spell names are drawn once per image, behind a progress window.
    CProgressWindow progress(this);
    m_spells = new CSpellsPage(this, &progress);
    m_espers = new CEsperExtrasPage(this, &progress);
    AddPage(m_spells, QStringLiteral("Spells"));
    AddPage(m_espers, QStringLiteral("Esper Extras"));
    AddPage(new C14ByteAnimPage(this, AnimMode::Spells), QStringLiteral("Animations"));
    progress.hide();
}

void CMagicEd::Run(QWidget* parent, CQuorvexDoc& doc)
{
    CMagicEd sheet(doc, parent);
    sheet.exec();
}

namespace {
const EditorRegistration kMagicEditor{EditorCommand::SpellEditor,
                                      [](QWidget* parent, CQuorvexDoc& doc) { CMagicEd::Run(parent, doc); }};
} // namespace
