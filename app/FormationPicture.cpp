#include "FormationPicture.h"

#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "controls/QtBitmap.h"
#include "controls/Settings.h"
#include "graphics/MonsterRender.h"
#include "rom/RomData.h"

using namespace quorvex;

namespace {

const char* const kBackgroundKey = "Options/MstFrmBackgndIdx";

// The distinct names of the monsters a formation shows.
QStringList PresentNames(const RomData& rd, int formation)
{
    QStringList names;
    const uint8_t* rec = FormationBytes(rd, formation);
    if (!rec)
        return names;
    for (int s = 0; s < 6; ++s) {
        const int monster = FormationSlotMonster(rec, s);
        if (!(rec[1] & (1 << s)) || monster >= kFormationMonsterLimit)
            continue;
        const QString name = QString::fromStdWString(
            GetNameList(rd, NameListId::Monster).Decode(static_cast<uint32_t>(monster), rd.romType));
        if (!names.contains(name))
            names << name;
    }
    return names;
}

} // namespace

QPixmap FormationPixmap(RomData& rd, int formation, int background, int scale, bool names)
{
    CFF6Bitmap bmp;
    RenderFormation(rd, formation, background, -1, scale, bmp);
    QPixmap picture = QPixmap::fromImage(ToQImage(bmp));
    if (!names)
        return picture;
    QPainter p(&picture);
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    int y = 11;
    for (const QString& name : PresentNames(rd, formation)) {
        // A dark shadow keeps the name readable on any background.
        p.setPen(Qt::black);
        p.drawText(3, y + 1, name);
        p.setPen(Qt::white);
        p.drawText(2, y, name);
        y += 11;
    }
    return picture;
}

int PreviewBackgroundListIndex()
{
    const int last = static_cast<int>(BattleBackgroundList().size()) - 1;
    return std::clamp(QuorvexSettings().value(QLatin1String(kBackgroundKey), 0).toInt(), 0, last);
}

void SetPreviewBackgroundListIndex(int index) { QuorvexSettings().setValue(QLatin1String(kBackgroundKey), index); }

int PreviewBackground() { return BattleBackgroundList()[static_cast<size_t>(PreviewBackgroundListIndex())].id; }

QDialog* ShowLargePreview(QWidget* parent, const QPixmap& picture, const QString& title)
{
    auto* dlg = new QDialog(parent);
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    dlg->setWindowTitle(title);
    auto* label = new QLabel(dlg);
    label->setPixmap(picture.scaled(picture.size() * 2));
    auto* lay = new QVBoxLayout(dlg);
    lay->addWidget(label);
    dlg->show();
    return dlg;
}
