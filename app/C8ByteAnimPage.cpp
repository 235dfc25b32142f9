#include "C8ByteAnimPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/FieldControls.h"

using namespace quorvex;

C8ByteAnimPage::C8ByteAnimPage(CEditorSheet* sheet, AnimMode mode) : CAnimPage(sheet, mode)
{
    auto* grid = new QGridLayout;
    auto hex = [&](CHexField*& field, int row, const char* label, const char* key) {
        field = new CHexField(2, this);
        field->setMaximumWidth(60);
        grid->addWidget(new QLabel(QString::fromLatin1(label), this), row, 0);
        grid->addWidget(field, row, 1);
        Bind(field, key);
    };
    hex(m_right, 0, "R. hand", "right_hand");
    hex(m_left, 1, "L. hand", "left_hand");
    AddPalette(grid, 2, "weapon_palette", QStringLiteral("Wpn pal."));
    hex(m_attack, 3, "Attack", "attack");
    AddPalette(grid, 4, "attack_palette", QStringLiteral("Attack pal."));
    m_sound = new CNumberField({}, this);
    m_sound->setMaximumWidth(60);
    grid->addWidget(new QLabel(QStringLiteral("Sound FX"), this), 5, 0);
    grid->addWidget(m_sound, 5, 1);
    Bind(m_sound, "sound_fx");
    hex(m_byte7, 6, "Byte 7", "byte7");

    const QStringList rows = {"Throw wpn.", "Boomerang", "Atma wpn. gfx.", "?", "?", "?", "?", "Throw wpn."};
    m_flags = new CCheckListControl(rows, {QStringLiteral("State")}, this);
    m_flags->setHorizontalHeaderItem(0, new QTableWidgetItem(QStringLiteral("Attribute")));
    m_flags->verticalHeader()->setDefaultSectionSize(18);
    m_flags->resizeColumnsToContents();
    m_flags->setFixedSize(m_flags->horizontalHeader()->length() + 6, 8 * 18 + m_flags->horizontalHeader()->height() + 6);
    Bind(m_flags, 0, "flags");

    auto* fields = new QHBoxLayout;
    fields->addLayout(grid);
    fields->addSpacing(16);
    fields->addWidget(m_flags, 0, Qt::AlignTop);
    fields->addStretch();
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(SelectorBar());
    lay->addLayout(fields);
    lay->addStretch();
    ShowRemembered();
}
