#pragma once
// "About Quorvex Multi Edit": the program's name and version and, with an
// image of known release open, that image's internal name (drawn in the
// game's small font, as the menus draw names, with the text below for
// copying) and version.
#include <QDialog>

namespace quorvex {
struct RomData;
}
class QLabel;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // The program's version is kept in RomData; the image's name and version
    // are shown only when `rd` holds a known release.
    explicit CAboutDlg(const quorvex::RomData& rd, QWidget* parent = nullptr);

    // "Quorvex Version %d.%d.%d, 32-bit" from the version kept in RomData.
    static QString VersionLine(const quorvex::RomData& rd);

    QLabel* VersionLabel() const { return m_version; }
    // Empty and hidden unless a known release is open.
    QLabel* RomNameLabel() const { return m_romName; }
    QLabel* RomVersionLabel() const { return m_romVersion; }
    // The game name in the game's font; hidden when there is none to draw.
    QLabel* RomNamePicture() const { return m_romPicture; }

private:
    QLabel* m_version = nullptr;
    QLabel* m_romName = nullptr;
    QLabel* m_romPicture = nullptr;
    QLabel* m_romVersion = nullptr;
};
