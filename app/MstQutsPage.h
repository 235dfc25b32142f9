#pragma once
// The monster editor's quote pages: "Big Quotes" (the monsters' battle
// dialogue) and "Small Quotes" (the small-window battle messages), each the
// shared text page on its block.
#include <cstdint>
#include <vector>

#include "TextPage.h"
#include "controls/EditorSheet.h"

class CMstQutsPage : public CTextPage, public CSheetPage {
    Q_OBJECT
public:
    CMstQutsPage(CEditorSheet* sheet, bool big);

    // Text applied on the page counts as an edit of the sheet.
    void StoreShown() override;
    void RememberSelection() override { RememberIndex(); }

private:
    CEditorSheet* m_sheet;
    std::vector<uint8_t> m_openedData;
    std::vector<uint32_t> m_openedPointers;
};
