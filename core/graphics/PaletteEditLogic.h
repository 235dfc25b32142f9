#pragma once
// The arithmetic behind the "Edit Colour" dialog: one colour or a whole
// palette edited in the HSL and RGB models at the console's 5-bit depth.
// The dialog only shows what this class holds; every rule (quantising to a
// colour word after each change, the Edit All hue rule, the text fields,
// the matrix tracking) lives here and is tested without a window.
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "graphics/Color.h"

namespace quorvex {

// The six components, in the order of their fields and radio buttons.
enum class ColorComponent { Hue, Sat, Lum, Red, Green, Blue };
constexpr int kColorComponentCount = 6;

// Largest value of a component: hue 0-359, saturation and lightness 0-100
// (percent), red, green and blue 0-31 (the colour word's own channels).
int ComponentMax(ColorComponent c);
bool IsHslComponent(ColorComponent c);

// The six field values of one colour.
struct ColorFields {
    std::array<int, kColorComponentCount> v{};
    int& operator[](ColorComponent c) { return v[static_cast<size_t>(c)]; }
    int operator[](ColorComponent c) const { return v[static_cast<size_t>(c)]; }
};

// The fields of a colour word: hue, saturation and lightness from
// SnesToHsl on the scales above (rounded to the nearest step), the three
// channels as they are.
ColorFields FieldsFromSnes(SnesColor c);
// The word the fields of one model stand for: the HSL fields through
// HslToSnes (hue divided by 359), or the three channels packed.
SnesColor SnesFromHslFields(const ColorFields& f);
SnesColor SnesFromRgbFields(const ColorFields& f);

// "HTML": the 24-bit colour-reference value 0x00BBGGRR as "%06X" (blue
// first). "Hex16": the colour word as "%04X".
std::string HtmlText(SnesColor c);
std::string Hex16Text(SnesColor c);

// Exchanges two channels of a colour word (0 red, 1 green, 2 blue).
SnesColor SwapChannels(SnesColor c, int a, int b);

// The matrix beside the slider shows the two other components of the
// slider's model: horizontal first, vertical second.
struct MatrixAxes {
    ColorComponent x;
    ColorComponent y;
};
MatrixAxes MatrixAxesFor(ColorComponent slider);

// Matrix dragging: with Shift held only the horizontal position follows
// the mouse, with Ctrl held only the vertical one; `anchor` is the point
// where the drag started.
struct MatrixPoint {
    int x = 0;
    int y = 0;
};
MatrixPoint TrackMatrix(MatrixPoint anchor, MatrixPoint mouse, bool shift, bool ctrl);

class CPaletteEditLogic {
public:
    // The fields Edit All mode starts from: a mid-grey in both models, so
    // each control can move either way.
    static constexpr ColorFields kEditAllStart{{179, 50, 50, 16, 16, 16}};

    explicit CPaletteEditLogic(std::vector<SnesColor> palette);

    const std::vector<SnesColor>& Palette() const { return m_palette; }
    const std::vector<SnesColor>& OldPalette() const { return m_old; }
    int Size() const { return static_cast<int>(m_palette.size()); }

    // Edit Selected Colour: loads entry i; later changes edit that entry.
    void SelectEntry(int i);
    int Selected() const { return m_selected; }

    // Edit All Colours: the controls go to kEditAllStart and later changes
    // act on the entries in `selection` (list rows), measured from the
    // colours they had when the mode started or the selection changed.
    void SetEditAll(bool on);
    bool EditAll() const { return m_editAll; }
    void SetSelection(const std::set<int>& rows);
    const std::set<int>& Selection() const { return m_selection; }

    // Sets one field. The colour is quantised to a word and the other
    // fields are filled from that word; the field being edited keeps the
    // value typed, so that stepping it by one is never undone by rounding.
    void SetComponent(ColorComponent c, int value);
    // Sets both components that the matrix shows for the current slider.
    void SetMatrix(ColorComponent slider, int xValue, int yValue);
    // "Swap R && G" (0, 1), "Swap G && B" (1, 2), "Swap B && R" (2, 0).
    void Swap(int a, int b);
    // "&Reset": back to the colour(s) before editing.
    void Reset();

    const ColorFields& Fields() const { return m_fields; }
    SnesColor Current() const { return m_current; }
    SnesColor Old() const { return m_oldColor; }

private:
    void Apply(ColorComponent edited);
    void ApplyAll();
    ColorFields m_fields{};
    SnesColor m_current = 0;
    SnesColor m_oldColor = 0;
    std::vector<SnesColor> m_palette;
    std::vector<SnesColor> m_old;
    std::vector<SnesColor> m_base; // Edit All: colours when the edit began
    std::set<int> m_selection;
    int m_selected = 0;
    bool m_editAll = false;
};

} // namespace quorvex
