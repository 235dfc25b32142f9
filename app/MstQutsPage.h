#pragma once
// The monster editor's quote pages: "Big Quotes" (the monsters' battle
// dialogue) and "Small Quotes" (the small-window battle messages), each the
// shared text page on its block. The text page is built when the page is
// first shown, so that opening the sheet does not wait for two lists of 256
// quotes nobody may look at.
#include <QWidget>
#include <cstdint>
#include <vector>

#include "controls/EditorSheet.h"

class CTextPage;

class CMstQutsPage : public QWidget, public CSheetPage {
    Q_OBJECT
public:
    CMstQutsPage(CEditorSheet* sheet, bool big);

    // The text page (built on first use).
    CTextPage* TextPage();

    // Text applied on the page counts as an edit of the sheet.
    void StoreShown() override;
    void RememberSelection() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CEditorSheet* m_sheet;
    bool m_big;
    CTextPage* m_page = nullptr;
    std::vector<uint8_t> m_openedData;
    std::vector<uint32_t> m_openedPointers;
};
