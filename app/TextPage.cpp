#include "TextPage.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QTableWidget>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "CaptionEdit.h"
#include "MessageService.h"
#include "WizTextConvDia.h"
#include "controls/ExportFile.h"
#include "controls/FieldControls.h"
#include "controls/ListFindBar.h"
#include "controls/QtBitmap.h"
#include "graphics/CharGlyphs.h"
#include "rom/RomData.h"

using namespace quorvex;

// The caption of the list fill, shared with the other editors' list fills.
constexpr const char* kLoadingTextList = "Loading Text List";

namespace {

// Hands a page operation's progress to the shared progress window. Every
// step repaints, so only every 64th string (and the last) is shown.
PageProgressFn StepsOf(CProgressWindow& window)
{
    return [&window](int done, int total) {
        if (done % 64 != 0 && done != total)
            return;
        window.Step(done, total);
    };
}

} // namespace

// Shows the progress window with a caption for the life of one operation.
class CTextPage::ProgressScope {
public:
    ProgressScope(CProgressWindow& window, const char* caption) : m_window(window)
    {
        m_window.Show(QString::fromUtf8(caption));
    }
    ~ProgressScope() { m_window.hide(); }
    PageProgressFn Fn() { return StepsOf(m_window); }

private:
    CProgressWindow& m_window;
};

CTextPage::CTextPage(RomData& rd, TextPageConfig config, QWidget* parent)
    : QWidget(parent), m_logic(std::make_unique<CTextPageLogic>(rd, std::move(config)))
{
    const TextPageConfig& cfg = m_logic->Config();
    m_list = new QTableWidget(this);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    // Compact rows, one line each: a block holds thousands of strings.
    m_list->setWordWrap(false);
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 4);
    const bool dteRecords = cfg.fixed && cfg.kind == kKindDteTable;
    if (dteRecords)
        m_list->setColumnCount(3), m_list->setHorizontalHeaderLabels({"Index", "Hex data", "Visual Result"});
    else if (cfg.fixed || cfg.kind == kKindDteTable)
        m_list->setColumnCount(2), m_list->setHorizontalHeaderLabels({"Index", "Text"});
    else
        m_list->setColumnCount(3), m_list->setHorizontalHeaderLabels({"Index (hex.)", "Pointer", "Text"});
    m_list->horizontalHeader()->setStretchLastSection(true);

    m_edit = new CCaptionEdit(this);
    m_edit->SetTable(m_logic->Table(), m_logic->Style(), rd.romType);
    m_apply = new QPushButton(QStringLiteral("Apply (ctrl+'s')"), this);
    m_remaining = new QLabel(this);
    m_add = new QPushButton(QStringLiteral("Add new caption"), this);
    m_deleteAll = new QPushButton(QStringLiteral("Delete all"), this);
    m_optimize = new QPushButton(QStringLiteral("Optimize all"), this);
    auto* charTable = new QPushButton(QStringLiteral("Show char table"), this);
    auto* importBtn = new QPushButton(QStringLiteral("Import script"), this);
    auto* exportBtn = new QPushButton(QStringLiteral("Export script"), this);
    m_instruction = new QLabel(QString::fromStdString(m_logic->InstructionText()), this);
    m_status = new QLabel(this);
    m_add->setVisible(m_logic->ShowAdd());
    m_optimize->setVisible(m_logic->ShowOptimize());
    m_deleteAll->setVisible(m_logic->ShowDeleteAll());
    importBtn->setVisible(m_logic->HasScript());
    exportBtn->setVisible(m_logic->HasScript());
    m_remaining->setVisible(m_logic->IsBlock());

    connect(m_apply, &QPushButton::clicked, this, &CTextPage::OnApply);
    connect(m_add, &QPushButton::clicked, this, &CTextPage::OnAdd);
    connect(m_deleteAll, &QPushButton::clicked, this, &CTextPage::OnDeleteAll);
    connect(m_optimize, &QPushButton::clicked, this, &CTextPage::OnOptimize);
    connect(charTable, &QPushButton::clicked, this, &CTextPage::OnShowCharTable);
    connect(importBtn, &QPushButton::clicked, this, &CTextPage::OnImport);
    connect(exportBtn, &QPushButton::clicked, this, &CTextPage::OnExport);
    m_findBar = new CListFindBar(this);
    connect(m_findBar, &CListFindBar::findRequested, this, [this](const QString& t) { m_findBar->SetNotFound(!FindNext(t)); });
    connect(m_findBar, &CListFindBar::goToRequested, this, [this](long i) { m_findBar->SetNotFound(!GoTo(i)); });
    for (const auto& [keys, mode] : {std::pair{"Ctrl+F", CListFindBar::Mode::Find}, std::pair{"Ctrl+G", CListFindBar::Mode::GoTo}}) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        const CListFindBar::Mode m = mode;
        connect(shortcut, &QShortcut::activated, this, [this, m] { m_findBar->Open(m); });
    }
    auto* save = new QShortcut(QKeySequence(QStringLiteral("Ctrl+S")), this);
    save->setContext(Qt::WidgetWithChildrenShortcut);
    connect(save, &QShortcut::activated, this, &CTextPage::OnApply);
    connect(m_edit, &CCaptionEdit::applyRequested, this, &CTextPage::OnApply);
    connect(m_list, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) { OnRowChanged(row); });

    // The buttons in two columns, so that the list keeps most of the height.
    auto* buttons = new QGridLayout;
    int at = 0;
    for (QPushButton* b : {m_apply, m_add, m_deleteAll, m_optimize, charTable, importBtn, exportBtn}) {
        buttons->addWidget(b, at / 2, at % 2);
        ++at;
    }
    auto* right = new QVBoxLayout;
    right->addLayout(buttons);
    right->addWidget(m_remaining);
    right->addStretch();
    auto* editRow = new QHBoxLayout;
    editRow->addWidget(m_edit, 1);
    editRow->addLayout(right);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_findBar);
    lay->addWidget(m_list, 2);
    lay->addLayout(editRow, 1);
    lay->addWidget(m_instruction);
    lay->addWidget(m_status);

    m_mapping = new CWizTextConvDia(m_logic->Table(), m_logic->TableRows(), m_logic->Style(), this);
    m_mapping->SetGlyphs([this](int entry, QImage& glyph, int& width) {
        CFF6Bitmap bmp;
        if (!DrawCharGlyph(m_logic->Rom(), m_logic->Style(), entry, bmp, width))
            return false;
        glyph = ToQImage(bmp);
        return true;
    });
    m_mapping->SetApplyHandler([this](const CharTable& t) {
        m_logic->SetTable(t);
        m_edit->SetTable(t, m_logic->Style(), m_logic->Rom().romType);
        Refresh();
    });

    int index = cfg.index;
    if (!cfg.indexKey.empty()) {
        QSettings s(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex"));
        index = s.value(QStringLiteral("Settings/") + QString::fromStdWString(cfg.indexKey), index).toInt();
    }
    m_index = m_logic->ClampIndex(index);
    m_progress = new CProgressWindow(this);
    {
        // Decoding every string of a large block takes a moment.
        ProgressScope p(*m_progress, kLoadingTextList);
        Fill(p.Fn());
    }
    Select(m_index);
}

CTextPage::~CTextPage() = default;

void CTextPage::FillRow(int row)
{
    const TextPageConfig& cfg = m_logic->Config();
    auto set = [&](int col, const QString& text) {
        QTableWidgetItem* item = m_list->item(row, col);
        if (!item)
            m_list->setItem(row, col, item = new QTableWidgetItem);
        item->setText(text);
    };
    QString text = QString::fromStdWString(m_logic->Decoded(row));
    text.replace(QLatin1Char('\n'), QStringLiteral(" / "));
    if (cfg.fixed && cfg.kind == kKindDteTable) {
        const std::vector<uint8_t> b = m_logic->StoredBytes(row);
        set(0, QString::asprintf("0x%02X", row));
        set(1, QString::asprintf("%02X %02X", b.size() > 0 ? b[0] : 0, b.size() > 1 ? b[1] : 0));
        set(2, QLatin1Char('"') + text + QLatin1Char('"'));
    } else if (cfg.fixed || cfg.kind == kKindDteTable) {
        set(0, QString::asprintf("0x%02X", row));
        set(1, text);
    } else {
        set(0, QString::asprintf("0x%04X", row));
        set(1, QString::asprintf("0x%04X", m_logic->Pointer(row) & 0xFFFF));
        set(2, text);
    }
}

void CTextPage::Fill(const PageProgressFn& progress)
{
    const int n = m_logic->StringCount();
    m_list->setRowCount(n);
    for (int i = 0; i < n; ++i) {
        FillRow(i);
        if (progress)
            progress(i + 1, n);
    }
}

void CTextPage::Refresh()
{
    const bool pending = HasPendingEdit();
    const QString typed = m_edit->toPlainText();
    Fill({});
    m_index = m_logic->ClampIndex(m_index);
    Select(m_index);
    if (pending) {
        m_edit->setPlainText(typed);
        m_edit->document()->setModified(true);
    }
}

bool CTextPage::HasPendingEdit() const { return m_edit->document()->isModified(); }

void CTextPage::StoreShown()
{
    if (HasPendingEdit())
        OnApply();
}

void CTextPage::OnRowChanged(int row)
{
    if (row < 0 || row == m_index)
        return;
    StoreShown();
    if (HasPendingEdit()) {
        // The caption could not be applied: its row stays selected. A mouse
        // click selects again on release, so the row is selected once more
        // when the click is over.
        auto keep = [this] {
            const QSignalBlocker block(m_list);
            m_list->setCurrentCell(m_index, 0);
        };
        keep();
        QTimer::singleShot(0, this, keep);
        return;
    }
    Select(row);
}

bool CTextPage::FindNext(const QString& text)
{
    const int n = m_list->rowCount();
    for (int step = 1; step <= n; ++step) {
        const int row = (m_index + step) % n;
        for (int col = 0; col < m_list->columnCount(); ++col) {
            const QTableWidgetItem* item = m_list->item(row, col);
            if (item && item->text().contains(text, Qt::CaseInsensitive)) {
                m_list->setCurrentCell(row, 0); // applies a typed caption first
                m_list->scrollToItem(m_list->item(row, 0));
                return true;
            }
        }
    }
    return false;
}

bool CTextPage::GoTo(long index)
{
    if (index < 0 || index >= m_list->rowCount())
        return false;
    m_list->setCurrentCell(static_cast<int>(index), 0);
    m_list->scrollToItem(m_list->item(static_cast<int>(index), 0));
    return true;
}

void CTextPage::Select(int index)
{
    m_index = m_logic->ClampIndex(index);
    if (m_list->currentRow() != m_index && m_index < m_list->rowCount())
        m_list->setCurrentCell(m_index, 0);
    m_edit->setPlainText(QString::fromStdWString(m_logic->Decoded(m_index)));
    UpdateLabels();
}

void CTextPage::UpdateLabels()
{
    m_remaining->setText(QString::fromStdString(m_logic->RemainingText()));
    m_status->setText(QString::fromStdString(m_logic->StatusText(m_index)));
    m_add->setEnabled(m_logic->AddEnabled());
}

void CTextPage::ShowMessage(const PageMessage& m)
{
    const QString text = QString::fromStdString(m.text);
    switch (m.kind) {
    case MsgKind::Error: MessageService::Instance().Error(text, this); break;
    case MsgKind::Information: MessageService::Instance().Information(text, this); break;
    case MsgKind::Warning: MessageService::Instance().Warning(text, this); break;
    case MsgKind::None: break;
    }
}

void CTextPage::RememberIndex() const
{
    const std::wstring& key = m_logic->Config().indexKey;
    if (key.empty())
        return;
    QSettings s(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex"));
    s.setValue(QStringLiteral("Settings/") + QString::fromStdWString(key), m_index);
}

void CTextPage::OnApply()
{
    m_logic->SetAsk([this](const std::string& q) { return MessageService::Instance().Question(QString::fromStdString(q), this); });
    const QTextCursor caret = m_edit->textCursor();
    const ApplyOutcome r = m_logic->Apply(m_index, m_edit->toPlainText().toStdWString());
    if (r.selStart >= 0) {
        QTextCursor c = m_edit->textCursor();
        c.setPosition(r.selStart);
        c.setPosition(r.selEnd, QTextCursor::KeepAnchor);
        m_edit->setTextCursor(c);
        m_edit->setFocus();
    }
    ShowMessage(r.message);
    if (!r.applied)
        return;
    m_edit->document()->setModified(false);
    emit edited();
    FillRow(m_index);
    UpdateLabels();
    if (m_logic->Config().fixed) {
        m_edit->setPlainText(QString::fromStdWString(m_logic->Decoded(m_index)));
        QTextCursor c = m_edit->textCursor();
        c.setPosition(std::min(caret.position(), static_cast<int>(m_edit->toPlainText().size())));
        m_edit->setTextCursor(c);
    } else {
        Refresh(); // pointers of the following strings moved
    }
}

void CTextPage::OnAdd()
{
    // The new caption is selected: what was typed is applied first.
    StoreShown();
    if (HasPendingEdit())
        return;
    const PageMessage m = m_logic->AddCaption();
    ShowMessage(m);
    if (m.Empty()) {
        emit edited();
        Refresh();
        Select(m_logic->StringCount() - 1);
    }
}

void CTextPage::OnDeleteAll()
{
    if (!MessageService::Instance().Question(QString::fromUtf8(pagetext::kDeleteAllQuestion), this))
        return;
    {
        ProgressScope p(*m_progress, pagetext::kProgressDeleting);
        m_logic->DeleteAll(p.Fn());
    }
    emit edited();
    Refresh();
}

void CTextPage::OnOptimize()
{
    {
        ProgressScope p(*m_progress, pagetext::kProgressOptimizing);
        m_logic->OptimizeAll(p.Fn());
    }
    emit edited();
    Refresh();
}

void CTextPage::OnShowCharTable()
{
    m_mapping->show();
    m_mapping->raise();
}

void CTextPage::OnExport()
{
    const QString path = QDir::current().absoluteFilePath(QString::fromStdWString(m_logic->Config().fileName));
    if (!MayReplaceFile(path, this))
        return;
    ShowMessage(m_logic->ExportScript(path.toStdString()));
}

void CTextPage::OnImport()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                      QStringLiteral("Text Files (*.txt);;All Files (*.*)"));
    if (path.isEmpty())
        return;
    PageMessage m;
    {
        ProgressScope p(*m_progress, pagetext::kProgressImporting);
        m = m_logic->ImportScript(path.toStdString(), p.Fn());
    }
    ShowMessage(m);
    if (m.kind != MsgKind::Error)
        emit edited();
    Refresh();
}
