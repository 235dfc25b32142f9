#pragma once
// "Zoning": the encounter zones. A zone gives each terrain of an area
// (grass, forest, desert, dry land) a pack of four formations and an
// encounter rate; zones 0x00-0x3F cover the areas of the world of balance,
// 0x40-0x7F those of the world of ruin, 0x80-0xFF other maps.
#include <array>

#include "controls/RecordPage.h"

class QButtonGroup;
class QLabel;
class QRadioButton;
class QSpinBox;
class CZoneMiniMap;

class CFormZoningPage : public CRecordPage {
    Q_OBJECT
public:
    explicit CFormZoningPage(CEditorSheet* sheet);

    QSpinBox* IndexSpin() const { return m_index; }
    QRadioButton* WorldButton(int world) const;
    CZoneMiniMap* MiniMap() const { return m_map; }
    CNumberField* PackField(int terrain) const { return m_terrains[static_cast<size_t>(terrain)].pack; }
    QComboBox* RateList(int terrain) const { return m_terrains[static_cast<size_t>(terrain)].rate; }
    QLabel* Picture(int terrain, int entry) const;
    QCheckBox* OverlayNames() const { return m_names; }
    QCheckBox* RealBackground() const { return m_real; }

    // The background the pictures of a terrain use with "Show real
    // background": the battle background of that terrain in the zone's
    // world, or the one chosen for previews on other maps.
    static int TerrainBackground(int zone, int terrain);

protected:
    void Show(int i) override;

private:
    struct Terrain {
        CNumberField* pack = nullptr;
        QComboBox* rate = nullptr;
        std::array<QLabel*, 4> pictures{};
    };
    QWidget* MakeTerrain(int t);
    void Commit();
    void DrawPictures();

    QSpinBox* m_index = nullptr;
    QButtonGroup* m_worlds = nullptr;
    CZoneMiniMap* m_map = nullptr;
    std::array<Terrain, 4> m_terrains;
    QCheckBox* m_names = nullptr;
    QCheckBox* m_real = nullptr;
    bool m_showing = false;
};
