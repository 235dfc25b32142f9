#include "QuorvexView.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "EditorRegistry.h"
#include "QuorvexDoc.h"
#include "RomExpDia.h"
#include "rom/PatchDetect.h"

CQuorvexView::CQuorvexView(CQuorvexDocument& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    m_caption = new QLabel(QStringLiteral("ROM informations:"), this);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("viewHint"));
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignCenter);
    QFont big = m_hint->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    m_hint->setFont(big);
    m_hint->setText(QString::fromLatin1(kOpenImageHint));

    m_report = new QPlainTextEdit(this);
    m_report->setObjectName(QStringLiteral("statusReport"));
    m_report->setReadOnly(true);
    // Long lines (a file name, the list of patches) wrap rather than hide
    // behind a scroll bar.
    m_report->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_report->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_report->setPlainText(QStringLiteral("no ROM loaded"));
    m_caption->setBuddy(m_report);

    m_expand = new QPushButton(QStringLiteral("Expand ROM"), this);
    m_manage = new QPushButton(QStringLiteral("Manage expanded ROM"), this);
    m_expand->setEnabled(false);
    m_manage->setEnabled(false);
    connect(m_expand, &QPushButton::clicked, this, &CQuorvexView::OnExpandRom);
    connect(m_manage, &QPushButton::clicked, this, &CQuorvexView::OnManageExpandedRom);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_expand);
    buttons->addWidget(m_manage);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->addWidget(m_hint);
    layout->addWidget(m_caption);
    layout->addWidget(m_report, 1);
    layout->addLayout(buttons);
}

void CQuorvexView::OnInitialUpdate()
{
    const quorvex::RomData& rd = m_doc.Rom();
    m_report->setPlainText(FromCoreText(quorvex::BuildStatusReport(rd)));
    if (!m_doc.HasImage()) {
        m_hint->setText(QString::fromLatin1(kOpenImageHint));
        m_hint->setVisible(true);
    } else if (!rd.IsKnown()) {
        m_hint->setText(QString::fromLatin1(kNotThisGameHint));
        m_hint->setVisible(true);
    } else {
        m_hint->setVisible(false);
    }
    // With no image the report is the bare "No ROM loaded..." line and both
    // buttons stay off; otherwise the size rules decide.
    const bool open = rd.IsOpen();
    m_expand->setEnabled(open && quorvex::CanExpand(rd));
    m_manage->setEnabled(open && quorvex::CanManageExpanded(rd) && bool(ExpandedRomManagerLauncher()));
}

QString CQuorvexView::ReportText() const { return m_report->toPlainText(); }

void CQuorvexView::OnExpandRom()
{
    CRomExpDia dlg(m_doc.Rom(), window());
    dlg.exec();
    OnInitialUpdate();
    emit ImageChanged();
}

void CQuorvexView::OnManageExpandedRom()
{
    EditorLauncher launcher = ExpandedRomManagerLauncher();
    if (!launcher)
        return;
    launcher(window(), m_doc.Core());
    OnInitialUpdate();
    emit ImageChanged();
}
