#pragma once
// Formation previews for the formation editor's pages: the formation
// renderer's picture as a pixmap, optionally with the monsters' names
// written over it, and the background the user chose for previews.
#include <QPixmap>

namespace quorvex {
struct RomData;
}
class QDialog;
class QWidget;

// Formation `formation` at `scale` on battle background `background` (-1:
// the plain pattern). A formation number outside the table shows the
// background alone. With `names`, the names of the monsters present are
// written over the picture, one per line.
QPixmap FormationPixmap(quorvex::RomData& rd, int formation, int background, int scale, bool names = false);

// The background chosen for previews: a position in the battle background
// list, remembered as "MstFrmBackgndIdx" in section "Options".
int PreviewBackgroundListIndex();
void SetPreviewBackgroundListIndex(int index);
// That entry's background number (-1 for "???").
int PreviewBackground();

// A larger view of a picture, twice its size, in a window of its own that
// goes away when closed.
QDialog* ShowLargePreview(QWidget* parent, const QPixmap& picture, const QString& title);
