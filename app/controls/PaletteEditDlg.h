#pragma once
// "Edit Colour": one colour or a whole palette edited in the HSL and RGB
// models at the console's 5-bit depth. The rules live in core's
// CPaletteEditLogic; this window shows its state and passes the user's
// changes to it. Used by every page that shows a palette.
#include <QDialog>
#include <array>
#include <vector>

#include "graphics/PaletteEditLogic.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTreeWidget;
class CHsvRgbMatrix;
class CHslRgbSlider;

class CPaletteEditDlg : public QDialog {
    Q_OBJECT
public:
    CPaletteEditDlg(const std::vector<quorvex::SnesColor>& palette, int entry, QWidget* parent = nullptr);

    std::vector<quorvex::SnesColor> Palette() const { return m_logic.Palette(); }
    quorvex::CPaletteEditLogic& Logic() { return m_logic; }

    // What the controls do, for the buttons and the tests.
    void SetEditAll(bool on);
    void SelectRows(const std::vector<int>& rows);
    void SetComponent(quorvex::ColorComponent c, int value);
    void SetSliderComponent(quorvex::ColorComponent c);
    QString HtmlText() const;
    QString Hex16Text() const;
    CHsvRgbMatrix* Matrix() const { return m_matrix; }

    // Cancel, Esc and the close button: asks before changed colours are
    // dropped; when the user keeps them, the dialog stays open.
    void reject() override;

private:
    void Refresh();
    void OnSelection();
    quorvex::CPaletteEditLogic m_logic;
    quorvex::ColorComponent m_slider = quorvex::ColorComponent::Hue;
    bool m_refreshing = false;
    QTreeWidget* m_list;
    QRadioButton* m_selectedMode;
    QRadioButton* m_allMode;
    std::array<QSpinBox*, quorvex::kColorComponentCount> m_fields{};
    std::array<QRadioButton*, quorvex::kColorComponentCount> m_radios{};
    CHsvRgbMatrix* m_matrix;
    CHslRgbSlider* m_sliderBar;
    QLineEdit* m_html;
    QLineEdit* m_hex16;
    QLabel* m_current;
    QLabel* m_old;
};
