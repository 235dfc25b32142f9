#include "FormZoningPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "FormationPicture.h"
#include "ZoneMiniMap.h"
#include "controls/FieldControls.h"
#include "monsters/FormationLabels.h"
#include "monsters/FormationTables.h"
#include "rom/TableDesc.h"

using namespace quorvex;

namespace {
// The pictures of the zoning page are half the battle field.
constexpr int kPictureScale = 2;
const char* const kWorldLabels[3] = {"World of balance", "World of ruin", "Others (bosses, caves, ...)"};
} // namespace

CFormZoningPage::CFormZoningPage(CEditorSheet* sheet) : CRecordPage(sheet, *FindTable("zones"), "MstZoning1Idx")
{
    m_index = new QSpinBox(this);
    m_index->setRange(0, kZoneCount - 1);
    m_index->setDisplayIntegerBase(16);
    m_index->setPrefix(QStringLiteral("0x"));
    m_worlds = new QButtonGroup(this);
    auto* worlds = new QVBoxLayout;
    for (int w = 0; w < 3; ++w) {
        auto* radio = new QRadioButton(QString::fromLatin1(kWorldLabels[w]), this);
        m_worlds->addButton(radio, w);
        worlds->addWidget(radio);
    }
    m_map = new CZoneMiniMap(this);
    m_names = new QCheckBox(QStringLiteral("Overlay names on formations"), this);
    m_real = new QCheckBox(QStringLiteral("Show real background"), this);

    auto* head = new QGridLayout;
    head->addWidget(new QLabel(QStringLiteral("Zone #"), this), 0, 0);
    head->addWidget(m_index, 0, 1);
    head->addLayout(worlds, 1, 0, 1, 2);
    head->addWidget(m_map, 0, 2, 2, 1);
    auto* checks = new QVBoxLayout;
    checks->addWidget(m_names);
    checks->addWidget(m_real);
    head->addLayout(checks, 0, 3, 2, 1);
    head->setColumnStretch(4, 1);

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(head);
    for (int t = 0; t < kTerrainCount; ++t)
        lay->addWidget(MakeTerrain(t));
    lay->addStretch();

    connect(m_index, &QSpinBox::valueChanged, this, [this](int i) {
        if (!m_showing)
            Select(i);
    });
    // A world keeps the area: zone 0x05 becomes 0x45 in the world of ruin.
    connect(m_worlds, &QButtonGroup::idClicked, this, [this](int w) {
        if (!m_showing)
            Select((Current() & 0x3F) + w * 0x40);
    });
    connect(m_map, &CZoneMiniMap::AreaClicked, this, [this](int area) { Select((Current() & 0xC0) | area); });
    connect(m_names, &QCheckBox::toggled, this, &CFormZoningPage::DrawPictures);
    connect(m_real, &QCheckBox::toggled, this, &CFormZoningPage::DrawPictures);
    Show(Current());
}

QWidget* CFormZoningPage::MakeTerrain(int t)
{
    Terrain& tr = m_terrains[static_cast<size_t>(t)];
    auto* box = new QGroupBox(QString::fromLatin1(TerrainLabel(t)), this);
    tr.pack = new CNumberField({}, box);
    tr.pack->setMaximumWidth(60);
    tr.rate = new QComboBox(box);
    for (int r = 0; r < 4; ++r)
        tr.rate->addItem(QString::fromLatin1(ZoneRateName(0, r)), r);
    Bind(tr.pack, "packs", t);
    Bind(tr.rate, "rates", t);
    connect(tr.pack, &QLineEdit::editingFinished, this, &CFormZoningPage::Commit);
    connect(tr.rate, &QComboBox::currentIndexChanged, this, &CFormZoningPage::Commit);
    auto* lay = new QHBoxLayout(box);
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Pack"), box), 0, 0);
    fields->addWidget(tr.pack, 0, 1);
    fields->addWidget(tr.rate, 1, 0, 1, 2);
    lay->addLayout(fields);
    for (QLabel*& picture : tr.pictures) {
        picture = new QLabel(box);
        picture->setFixedSize(128, 76);
        lay->addWidget(picture);
    }
    lay->addStretch();
    return box;
}

QRadioButton* CFormZoningPage::WorldButton(int world) const
{
    return qobject_cast<QRadioButton*>(m_worlds->button(world));
}

QLabel* CFormZoningPage::Picture(int terrain, int entry) const
{
    return m_terrains[static_cast<size_t>(terrain)].pictures[static_cast<size_t>(entry)];
}

int CFormZoningPage::TerrainBackground(int zone, int terrain)
{
    // Grass, forest, desert and dry land of each world.
    static const int kWorldOfBalance[kTerrainCount] = {2, 0, 3, 2};
    static const int kWorldOfRuin[kTerrainCount] = {6, 5, 1, 6};
    if (terrain < 0 || terrain >= kTerrainCount)
        return -1;
    if (zone < 0x40)
        return kWorldOfBalance[terrain];
    if (zone < kFirstOtherZone)
        return kWorldOfRuin[terrain];
    return PreviewBackground();
}

void CFormZoningPage::Show(int i)
{
    m_showing = true;
    // Rate 3 means no encounter on the world maps, even more elsewhere.
    for (Terrain& tr : m_terrains)
        tr.rate->setItemText(3, QString::fromLatin1(ZoneRateName(i, 3)));
    CRecordPage::Show(i);
    m_index->setValue(i);
    m_worlds->button(std::min(i / 0x40, 2))->setChecked(true);
    m_map->SetZone(i);
    DrawPictures();
    m_showing = false;
}

void CFormZoningPage::DrawPictures()
{
    for (int t = 0; t < kTerrainCount; ++t) {
        const int pack = ZonePack(Rom(), Current(), t);
        const int background = m_real->isChecked() ? TerrainBackground(Current(), t) : -1;
        for (int e = 0; e < 4; ++e) {
            const int entry = PackEntry(Rom(), pack, e);
            Picture(t, e)->setPixmap(FormationPixmap(Rom(), entry < 0 ? -1 : entry & kPackFormationMask, background,
                                                     kPictureScale, m_names->isChecked()));
        }
    }
}

void CFormZoningPage::Commit()
{
    if (m_showing)
        return;
    Store(Current());
    Show(Current());
}
