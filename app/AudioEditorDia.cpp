#include "AudioEditorDia.h"

#include <QTabWidget>

#include "EditorRegistry.h"
#include "rom/Document.h"

using namespace quorvex;

CAudioEditorDia::CAudioEditorDia(CQuorvexDoc& doc, QWidget* parent)
    : CEditorSheet(doc, QStringLiteral("Quorvex: Audio Editor"), parent)
{
    m_brr = new CBrrPage(doc, Tabs());
    connect(m_brr, &CBrrPage::edited, this, [this] { SetEdited(); });
    AddPage(m_brr, QStringLiteral("BRR"));
    resize(820, 560);
}

void CAudioEditorDia::accept()
{
    m_brr->StopPlayback();
    CEditorSheet::accept();
}

void CAudioEditorDia::reject()
{
    m_brr->StopPlayback();
    CEditorSheet::reject();
}

namespace {

const EditorRegistration kAudioEditor{EditorCommand::SoundEditor, [](QWidget* parent, CQuorvexDoc& doc) {
                                          CAudioEditorDia dia(doc, parent);
                                          dia.exec();
                                      }};

} // namespace
