#include "BrrPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "AudioPlayer.h"
#include "controls/WaveformView.h"
#include "MessageService.h"
#include "audio/BrrCodec.h"
#include "audio/WavToBrr.h"
#include "rom/Document.h"

using namespace quorvex;

namespace {

struct RateButton {
    const char* label;
    int pitch;
};
// The rate buttons and the pitch each hands to the decoder.
constexpr RateButton kRates[] = {
    {"5500Hz", 704},    {"6000Hz", 768},    {"7333Hz", 938},    {"8000Hz", 1024},   {"11025Hz", 1411},
    {"16000Hz", 2048},  {"22050Hz", 2822},  {"32000Hz", 4096},  {"44100Hz", 5644},  {"48000Hz", 6144},
};
constexpr int kCustomRate = 10;
constexpr int kDefaultRate = 7; // 32000Hz: the sound chip's own rate

QSettings Settings() { return QSettings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex")); }

QTreeWidget* MakeList(const QStringList& headers, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

} // namespace

CBrrPage::CBrrPage(CQuorvexDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    m_player = new CAudioPlayer(this);

    // The game's samples.
    auto* romBox = new QGroupBox(QStringLiteral("ROM samples"), this);
    auto* romLay = new QVBoxLayout(romBox);
    auto* indexRow = new QHBoxLayout;
    indexRow->addWidget(new QLabel(QStringLiteral("Index"), romBox));
    m_indexSpin = new QSpinBox(romBox);
    m_indexSpin->setRange(0, kSampleCount - 1);
    indexRow->addWidget(m_indexSpin);
    indexRow->addStretch();
    romLay->addLayout(indexRow);
    m_romList = MakeList({QStringLiteral("Idx"), QStringLiteral("Start add."), QStringLiteral("Blocks")}, romBox);
    romLay->addWidget(m_romList, 1);
    m_romWave = new CWaveformView(romBox);
    romLay->addWidget(m_romWave);
    auto* romPlayRow = new QHBoxLayout;
    auto* romPlay = new QPushButton(QStringLiteral("PLAY"), romBox);
    auto* romPlayNext = new QPushButton(QStringLiteral("PLAY++"), romBox);
    romPlayNext->setToolTip(QStringLiteral("Play the next sample"));
    romPlayRow->addWidget(romPlay);
    romPlayRow->addWidget(romPlayNext);
    romLay->addLayout(romPlayRow);
    m_freeLabel = new QLabel(QStringLiteral("Remaining bytes: 0"), romBox);
    romLay->addWidget(m_freeLabel);

    // Replacement between the two lists.
    auto* replace = new QPushButton(QStringLiteral("<- Replace"), this);

    // The candidates of the source loaded last.
    auto* candBox = new QGroupBox(QStringLiteral("Imported samples"), this);
    auto* candLay = new QVBoxLayout(candBox);
    m_candList = MakeList({QStringLiteral("Idx"), QStringLiteral("Start add."), QStringLiteral("Loop add."),
                           QStringLiteral("Blocks"), QStringLiteral("Valid")},
                          candBox);
    candLay->addWidget(m_candList, 1);
    m_candWave = new CWaveformView(candBox);
    candLay->addWidget(m_candWave);
    m_cursorTimer = new QTimer(this);
    m_cursorTimer->setInterval(40);
    connect(m_cursorTimer, &QTimer::timeout, this, &CBrrPage::FollowPlayback);
    connect(m_candList, &QTreeWidget::currentItemChanged, this, [this] { ShowCandidateWave(); });
    auto* candPlayRow = new QHBoxLayout;
    auto* candPlay = new QPushButton(QStringLiteral("PLAY"), candBox);
    auto* candPlayNext = new QPushButton(QStringLiteral("PLAY++"), candBox);
    candPlayNext->setToolTip(QStringLiteral("Play the next candidate"));
    candPlayRow->addWidget(candPlay);
    candPlayRow->addWidget(candPlayNext);
    candLay->addLayout(candPlayRow);
    auto* importGrid = new QGridLayout;
    auto* importSpc = new QPushButton(QStringLiteral("Import SPC"), candBox);
    auto* importBrr = new QPushButton(QStringLiteral("Import BRR"), candBox);
    auto* importWav = new QPushButton(QStringLiteral("Import WAV"), candBox);
    auto* scanSmc = new QPushButton(QStringLiteral("Scan SMC"), candBox);
    importGrid->addWidget(importSpc, 0, 0);
    importGrid->addWidget(importBrr, 0, 1);
    importGrid->addWidget(importWav, 1, 0);
    importGrid->addWidget(scanSmc, 1, 1);
    importGrid->addWidget(new QLabel(QStringLiteral("Min. sample size"), candBox), 2, 0);
    m_minSize = new QSpinBox(candBox);
    m_minSize->setRange(1, 7281);
    m_minSize->setValue(kDefaultScanMinBlocks);
    importGrid->addWidget(m_minSize, 2, 1);
    candLay->addLayout(importGrid);

    // Playback rate and loop.
    auto* rateBox = new QGroupBox(QStringLiteral("Playback"), this);
    auto* rateGrid = new QGridLayout(rateBox);
    m_rates = new QButtonGroup(this);
    for (int i = 0; i < 10; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(kRates[i].label), rateBox);
        m_rates->addButton(b, i);
        rateGrid->addWidget(b, i / 5, i % 5);
    }
    auto* custom = new QRadioButton(QStringLiteral("Custom:"), rateBox);
    m_rates->addButton(custom, kCustomRate);
    rateGrid->addWidget(custom, 2, 0);
    m_custom = new QLineEdit(QStringLiteral("32000"), rateBox);
    m_custom->setValidator(new QIntValidator(0, 999999, m_custom));
    m_custom->setMaximumWidth(90);
    rateGrid->addWidget(m_custom, 2, 1);
    m_loop = new QCheckBox(QStringLiteral("Loop"), rateBox);
    rateGrid->addWidget(m_loop, 2, 4);
    // Every rate button as wide as the widest, so that the five columns
    // line up; a sixth, empty column takes the space left over.
    int widest = 0;
    for (QAbstractButton* b : m_rates->buttons())
        widest = std::max(widest, b->sizeHint().width());
    for (QAbstractButton* b : m_rates->buttons())
        b->setFixedWidth(widest);
    rateGrid->setColumnStretch(5, 1);
    m_rates->button(kDefaultRate)->setChecked(true);

    auto* lists = new QHBoxLayout;
    lists->addWidget(romBox, 3);
    auto* mid = new QVBoxLayout;
    mid->addStretch();
    mid->addWidget(replace);
    mid->addStretch();
    lists->addLayout(mid);
    lists->addWidget(candBox, 5);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(lists, 1);
    lay->addWidget(rateBox);

    connect(m_indexSpin, &QSpinBox::valueChanged, this, [this](int v) { SetIndex(v); });
    connect(m_romList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            SetIndex(m_romList->indexOfTopLevelItem(item));
    });
    connect(romPlay, &QPushButton::clicked, this, [this] { PlayRomSample(); });
    connect(romPlayNext, &QPushButton::clicked, this, [this] {
        SetIndex((m_index + 1) % kSampleCount);
        PlayRomSample();
    });
    connect(candPlay, &QPushButton::clicked, this, [this] { PlayCandidate(); });
    connect(candPlayNext, &QPushButton::clicked, this, [this] {
        if (m_candidates.items.empty())
            return;
        SelectCandidate((Candidate() + 1) % static_cast<int>(m_candidates.items.size()));
        PlayCandidate();
    });
    connect(m_loop, &QCheckBox::toggled, this, [this](bool on) { m_player->SetLoop(on); });
    connect(replace, &QPushButton::clicked, this, [this] { Replace(); });
    connect(importSpc, &QPushButton::clicked, this, [this] {
        const QString f = AskFile(QStringLiteral("SPC Files (*.spc);;All Files (*.*)"));
        if (!f.isEmpty())
            ImportSpc(f);
    });
    connect(importBrr, &QPushButton::clicked, this, [this] {
        const QString f = AskFile(QStringLiteral("BRR Files (*.brr);;All Files (*.*)"));
        if (!f.isEmpty())
            ImportBrr(f);
    });
    connect(importWav, &QPushButton::clicked, this, [this] {
        const QString f = AskFile(QStringLiteral("WAVE Files (*.wav);;All Files (*.*)"));
        if (!f.isEmpty())
            ImportWav(f);
    });
    connect(scanSmc, &QPushButton::clicked, this, [this] {
        const QString f = AskFile(QStringLiteral("SNES ROM (*.smc *.swc *.sfc);;All Files (*.*)"));
        if (!f.isEmpty())
            ScanSmc(f);
    });

    FillRomList();
    RefreshFreeSpace();
    QSettings s = Settings();
    SetIndex(s.value(QStringLiteral("Settings/m_brrIdx"), 0).toInt());
}

QString CBrrPage::AskFile(const QString& filter)
{
    return QFileDialog::getOpenFileName(this, QString(), QString(), filter);
}

void CBrrPage::FillRomList()
{
    const AudioTables& t = m_doc.Rom().audio;
    const QSignalBlocker block(m_romList);
    m_romList->clear();
    for (int i = 0; i < kSampleCount; ++i) {
        auto* item = new QTreeWidgetItem(m_romList);
        item->setText(0, QString::number(i));
        item->setText(1, QString::fromStdString(SampleStartText(t, i)));
        item->setText(2, QString::fromStdString(SampleBlocksText(t, i)));
        for (int c = 0; c < 3; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_romList->setCurrentItem(m_romList->topLevelItem(m_index));
}

void CBrrPage::FillCandidates()
{
    const QSignalBlocker block(m_candList);
    m_candList->clear();
    const bool spc = m_candidates.kind == SourceKind::Spc;
    for (size_t i = 0; i < m_candidates.items.size(); ++i) {
        const BrrCandidate& c = m_candidates.items[i];
        auto* item = new QTreeWidgetItem(m_candList);
        item->setText(0, QString::number(i));
        item->setText(1, QString::fromStdString(CandidateStartText(m_candidates.kind, c.start)));
        item->setText(2, spc ? QString::fromStdString(CandidateStartText(m_candidates.kind, c.loop)) : QString());
        item->setText(3, QString::number(c.blocks));
        item->setText(4, QString::fromStdString(CandidateValidText(c)));
        for (int col = 0; col < 4; ++col)
            item->setTextAlignment(col, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (m_candList->topLevelItemCount() > 0)
        m_candList->setCurrentItem(m_candList->topLevelItem(0));
    ShowCandidateWave();
}

void CBrrPage::ShowCandidateWave()
{
    const int row = Candidate();
    if (row < 0) {
        m_candWave->Clear();
        return;
    }
    // An SPC dump's directory gives where the sample loops back to.
    const BrrCandidate& c = m_candidates.items[static_cast<size_t>(row)];
    const bool loops = m_candidates.kind == SourceKind::Spc && c.loop >= c.start && (c.loop - c.start) % 9 == 0;
    m_candWave->SetBrr(m_candidates.Bytes(static_cast<size_t>(row)), loops ? static_cast<int>((c.loop - c.start) / 9) : -1);
}

void CBrrPage::FollowPlayback()
{
    const double at = m_player->PlayedFraction();
    if (!m_playing || at < 0) {
        m_cursorTimer->stop();
        if (m_playing)
            m_playing->SetCursor(-1);
        return;
    }
    m_playing->SetCursor(static_cast<int>(at * m_playing->Samples().size()));
}

QString CBrrPage::FreeSpaceLine() const { return QString::fromStdString(FreeSpaceText(m_doc.Rom().audio)); }

void CBrrPage::RefreshFreeSpace() { m_freeLabel->setText(FreeSpaceLine()); }

void CBrrPage::SetIndex(int index)
{
    if (index < 0 || index >= kSampleCount)
        index = 0;
    m_index = index;
    const QSignalBlocker b1(m_indexSpin);
    const QSignalBlocker b2(m_romList);
    m_indexSpin->setValue(index);
    m_romList->setCurrentItem(m_romList->topLevelItem(index));
    m_romList->scrollToItem(m_romList->topLevelItem(index));
    // The game keeps loop points in its instrument table, not with the sample.
    m_romWave->SetBrr(m_doc.Rom().audio.samples[static_cast<size_t>(index)], -1);
    Settings().setValue(QStringLiteral("Settings/m_brrIdx"), index);
}

int CBrrPage::Candidate() const
{
    QTreeWidgetItem* item = m_candList->currentItem();
    return item ? m_candList->indexOfTopLevelItem(item) : -1;
}

void CBrrPage::SelectCandidate(int row)
{
    if (row >= 0 && row < m_candList->topLevelItemCount())
        m_candList->setCurrentItem(m_candList->topLevelItem(row));
}

bool CBrrPage::ReadFile(const QString& path, std::vector<uint8_t>& out, qint64 limit)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        MessageService::Instance().Error(QString::fromUtf8(kMsgCantOpenImport), this);
        return false;
    }
    const QByteArray bytes = f.read(limit);
    out.assign(bytes.begin(), bytes.end());
    return true;
}

bool CBrrPage::ImportSpc(const QString& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadFile(path, bytes, static_cast<qint64>(kSpcMinSize)))
        return false;
    if (ReadSpcCandidates(bytes.data(), bytes.size(), m_candidates) != 0) {
        FillCandidates();
        MessageService::Instance().Error(QString::fromUtf8(kMsgNotSpc), this);
        return false;
    }
    FillCandidates();
    return true;
}

bool CBrrPage::ImportBrr(const QString& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadFile(path, bytes, static_cast<qint64>(kMaxScanBytes)))
        return false;
    ReadBrrCandidate(bytes.data(), bytes.size(), m_candidates);
    FillCandidates();
    return true;
}

bool CBrrPage::ImportWav(const QString& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadFile(path, bytes, static_cast<qint64>(kMaxScanBytes)))
        return false;
    const int r = ReadWavCandidate(bytes.data(), bytes.size(), m_candidates);
    FillCandidates();
    if (r != 0) {
        MessageService::Instance().Error(QString::fromUtf8(WavErrorMessage(r)), this);
        return false;
    }
    return true;
}

bool CBrrPage::ScanSmc(const QString& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadFile(path, bytes, static_cast<qint64>(kMaxScanBytes)))
        return false;
    ScanForBrr(bytes.data(), bytes.size(), m_minSize->value(), m_candidates);
    FillCandidates();
    return true;
}

void CBrrPage::SetMinSampleSize(int blocks) { m_minSize->setValue(blocks); }

bool CBrrPage::Replace()
{
    const int row = Candidate();
    if (row < 0)
        return false;
    const ReplaceStatus s = ReplaceSample(m_doc.Rom().audio, m_index, m_candidates.Bytes(static_cast<size_t>(row)));
    if (s != ReplaceStatus::Ok) {
        MessageService::Instance().Error(QString::fromUtf8(ReplaceStatusMessage(s)), this);
        return false;
    }
    const int keep = m_index;
    FillRomList();
    SetIndex(keep);
    FillCandidates();
    SelectCandidate(row);
    RefreshFreeSpace();
    emit edited();
    return true;
}

void CBrrPage::SetRateButton(int id)
{
    if (QAbstractButton* b = m_rates->button(id))
        b->setChecked(true);
}

void CBrrPage::SetCustomRate(const QString& text) { m_custom->setText(text); }

int CBrrPage::Pitch() const
{
    const int id = m_rates->checkedId();
    if (id >= 0 && id < kCustomRate)
        return kRates[id].pitch;
    return RateToPitch(m_custom->text().toLongLong());
}

bool CBrrPage::Play(const std::vector<uint8_t>& brr, CWaveformView* view)
{
    StopPlayback();
    std::vector<uint8_t> wav;
    m_lastClip.clear();
    if (DecodeBrrToWav(brr.data(), brr.size(), Pitch(), wav) <= 0) {
        MessageService::Instance().Error(QString::fromUtf8(kMsgClipTooBig), this);
        return false;
    }
    m_lastClip = QByteArray(reinterpret_cast<const char*>(wav.data()), static_cast<qsizetype>(wav.size()));
    if (!m_player->Play(m_lastClip, m_loop->isChecked())) {
        MessageService::Instance().Warning(m_player->ErrorText(), this);
        return false;
    }
    m_playing = view;
    m_cursorTimer->start();
    return true;
}

bool CBrrPage::PlayRomSample() { return Play(m_doc.Rom().audio.samples[m_index], m_romWave); }

bool CBrrPage::PlayCandidate()
{
    const int row = Candidate();
    if (row < 0)
        return false;
    const BrrCandidate& c = m_candidates.items[static_cast<size_t>(row)];
    // Decode from the candidate's start to the end of its source, so a
    // stream without an end flag is reported rather than cut short.
    if (c.start >= m_candidates.source.size())
        return Play({}, m_candWave);
    return Play(std::vector<uint8_t>(m_candidates.source.begin() + c.start, m_candidates.source.end()), m_candWave);
}

void CBrrPage::StopPlayback()
{
    m_player->Stop();
    FollowPlayback(); // hides the cursor
}
