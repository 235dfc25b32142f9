#pragma once
// "Evolution Wizard": builds a growth table piece by piece from formulas
// value(L) = c + g (L - f)^n. Modeless, beside the Actors Editor; Apply
// writes the whole working array into the page's table at once, and
// prepares the next segment up to level 99.
#include <QDialog>

#include "editors/EvolutionWizard.h"

class CStartupHpMpExpPage;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CWizHpmpexpDia : public QDialog {
    Q_OBJECT
public:
    CWizHpmpexpDia(CStartupHpMpExpPage* page, QWidget* parent);

    // The page's table and its values as shown (at opening, and whenever the
    // page's table or view changes).
    void Follow(quorvex::GrowthTable table, const quorvex::GrowthValues& shown);
    const quorvex::EvolutionWizard& Model() const { return m_wizard; }

    // Chooses a formula kind as its option button does.
    void ChooseKind(int kind);
    // Types into a field and leaves it, as the user does.
    enum Field { kInitial, kFinal, kFirst, kLast, kPower, kFields };
    void TypeField(Field field, const QString& text);
    void Apply();

    QLineEdit* FieldEdit(Field field) const { return m_fields[field]; }
    QLabel* GainLabel() const { return m_gain; }
    QRadioButton* KindButton(int kind) const { return m_kinds[kind]; }

private:
    void ReadField(Field field);
    void ShowFields();

    CStartupHpMpExpPage* m_page;
    quorvex::EvolutionWizard m_wizard;
    QRadioButton* m_kinds[quorvex::kWizardKinds] = {};
    QLineEdit* m_fields[kFields] = {};
    QLabel* m_gain = nullptr;
};
