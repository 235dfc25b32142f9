#pragma once
// "Packs": the formations the game draws a battle from. Packs 0-255 hold
// four formations (picked 5, 5, 5 and 1 times in 16), packs 256-511 two
// (3 and 1 times in 4); each entry shows a small picture of its formation.
#include <array>

#include "controls/RecordPage.h"

class QLabel;
class QSpinBox;

class CFormPackPage : public CRecordPage {
    Q_OBJECT
public:
    explicit CFormPackPage(CEditorSheet* sheet);

    QSpinBox* IndexSpin() const { return m_index; }
    CNumberField* FormationField(int e) const { return m_entries[static_cast<size_t>(e)].formation; }
    QCheckBox* RandomBox(int e) const { return m_entries[static_cast<size_t>(e)].random; }
    QLabel* ProbabilityLabel(int e) const { return m_entries[static_cast<size_t>(e)].probability; }
    QLabel* Picture(int e) const { return m_entries[static_cast<size_t>(e)].picture; }
    // Whether entry e is offered for the shown pack.
    bool EntryShown(int e) const;

protected:
    void Show(int i) override;

private:
    struct Entry {
        QWidget* box = nullptr;
        QLabel* probability = nullptr;
        CNumberField* formation = nullptr;
        QCheckBox* random = nullptr;
        QLabel* picture = nullptr;
    };
    // The field this pack has under a key: four entries or two.
    const quorvex::FieldDesc& PackField(const char* key, int pack) const;
    void BindEntry(int e);
    void Commit();

    QSpinBox* m_index = nullptr;
    std::array<Entry, 4> m_entries;
    bool m_showing = false;
};
