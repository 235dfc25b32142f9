#include "C14ByteAnimPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/FieldControls.h"

using namespace quorvex;

C14ByteAnimPage::C14ByteAnimPage(CEditorSheet* sheet, AnimMode mode) : CAnimPage(sheet, mode)
{
    // Rows in record order: three indices, three palettes, the sound, the
    // unnamed byte, the fourth index and the speed.
    auto* grid = new QGridLayout;
    static const char* const kKeys[4] = {"idx0", "idx1", "idx2", "idx3"};
    for (int k = 0; k < 4; ++k) {
        m_idx[k] = new CHexField(4, this);
        m_idx[k]->setMaximumWidth(60);
        const int row = k < 3 ? k : 8;
        grid->addWidget(new QLabel(QStringLiteral("Idx %1").arg(k), this), row, 0);
        grid->addWidget(m_idx[k], row, 1);
        Bind(m_idx[k], kKeys[k]);
    }
    AddPalette(grid, 3, "pal0", QStringLiteral("Pal. 0"));
    AddPalette(grid, 4, "pal1", QStringLiteral("Pal. 1"));
    AddPalette(grid, 5, "pal2", QStringLiteral("Pal. 2"));
    m_sound = new CNumberField({}, this);
    m_byte10 = new CHexField(2, this);
    m_speed = new CNumberField({}, this);
    for (QLineEdit* e : std::initializer_list<QLineEdit*>{m_sound, m_byte10, m_speed})
        e->setMaximumWidth(60);
    grid->addWidget(new QLabel(QStringLiteral("Sound FX"), this), 6, 0);
    grid->addWidget(m_sound, 6, 1);
    grid->addWidget(new QLabel(QStringLiteral("Byte 10"), this), 7, 0);
    grid->addWidget(m_byte10, 7, 1);
    grid->addWidget(new QLabel(QStringLiteral("Speed"), this), 9, 0);
    grid->addWidget(m_speed, 9, 1);
    grid->setColumnStretch(5, 1);
    Bind(m_sound, "sound_fx");
    Bind(m_byte10, "byte10");
    Bind(m_speed, "speed");

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(SelectorBar());
    lay->addLayout(grid);
    lay->addStretch();
    ShowRemembered();
}
