#include "graphics/PaletteEditLogic.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quorvex {

namespace {

int Channel(SnesColor c, int i) { return (c >> (5 * i)) & 31; }

SnesColor Pack(int r, int g, int b)
{
    auto c = [](int v) { return std::clamp(v, 0, 31); };
    return static_cast<SnesColor>(c(r) | (c(g) << 5) | (c(b) << 10));
}

// Hue moves around the circle of 0..359, brought back by adding or taking
// 359 (the scale's own length, as the hue field counts it).
int WrapHue(int h)
{
    while (h < 0)
        h += 359;
    while (h > 359)
        h -= 359;
    return h;
}

} // namespace

int ComponentMax(ColorComponent c)
{
    switch (c) {
    case ColorComponent::Hue: return 359;
    case ColorComponent::Sat:
    case ColorComponent::Lum: return 100;
    default: return 31;
    }
}

bool IsHslComponent(ColorComponent c)
{
    return c == ColorComponent::Hue || c == ColorComponent::Sat || c == ColorComponent::Lum;
}

ColorFields FieldsFromSnes(SnesColor c)
{
    const Hsl hsl = SnesToHsl(c);
    ColorFields f;
    f[ColorComponent::Hue] = static_cast<int>(std::lround(hsl.h * 359.0));
    f[ColorComponent::Sat] = static_cast<int>(std::lround(hsl.s * 100.0));
    f[ColorComponent::Lum] = static_cast<int>(std::lround(hsl.l * 100.0));
    f[ColorComponent::Red] = Channel(c, 0);
    f[ColorComponent::Green] = Channel(c, 1);
    f[ColorComponent::Blue] = Channel(c, 2);
    return f;
}

SnesColor SnesFromHslFields(const ColorFields& f)
{
    return HslToSnes(f[ColorComponent::Hue] / 359.0, f[ColorComponent::Sat] / 100.0, f[ColorComponent::Lum] / 100.0);
}

SnesColor SnesFromRgbFields(const ColorFields& f)
{
    return Pack(f[ColorComponent::Red], f[ColorComponent::Green], f[ColorComponent::Blue]);
}

std::string HtmlText(SnesColor c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", SnesToRgb(c));
    return buf;
}

std::string Hex16Text(SnesColor c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(c & 0x7FFF));
    return buf;
}

SnesColor SwapChannels(SnesColor c, int a, int b)
{
    int ch[3] = {Channel(c, 0), Channel(c, 1), Channel(c, 2)};
    std::swap(ch[a], ch[b]);
    return Pack(ch[0], ch[1], ch[2]);
}

MatrixAxes MatrixAxesFor(ColorComponent slider)
{
    using C = ColorComponent;
    switch (slider) {
    case C::Hue: return {C::Sat, C::Lum};
    case C::Sat: return {C::Hue, C::Lum};
    case C::Lum: return {C::Hue, C::Sat};
    case C::Red: return {C::Green, C::Blue};
    case C::Green: return {C::Red, C::Blue};
    default: return {C::Red, C::Green};
    }
}

MatrixPoint TrackMatrix(MatrixPoint anchor, MatrixPoint mouse, bool shift, bool ctrl)
{
    if (shift)
        return {mouse.x, anchor.y};
    if (ctrl)
        return {anchor.x, mouse.y};
    return mouse;
}

CPaletteEditLogic::CPaletteEditLogic(std::vector<SnesColor> palette) : m_palette(std::move(palette))
{
    for (SnesColor& c : m_palette)
        c &= 0x7FFF;
    m_old = m_palette;
    if (m_palette.empty())
        m_palette.push_back(0), m_old.push_back(0);
    SelectEntry(0);
}

void CPaletteEditLogic::SelectEntry(int i)
{
    m_selected = std::clamp(i, 0, Size() - 1);
    if (m_editAll)
        return;
    m_current = m_oldColor = m_palette[static_cast<size_t>(m_selected)];
    m_fields = FieldsFromSnes(m_current);
}

void CPaletteEditLogic::SetEditAll(bool on)
{
    m_editAll = on;
    if (!on) {
        SelectEntry(m_selected);
        return;
    }
    m_base = m_palette;
    m_fields = kEditAllStart;
    m_current = m_oldColor = SnesFromRgbFields(m_fields);
}

void CPaletteEditLogic::SetSelection(const std::set<int>& rows)
{
    m_selection.clear();
    for (int r : rows)
        if (r >= 0 && r < Size())
            m_selection.insert(r);
    if (m_editAll) {
        // Later moves start from what the entries show now.
        m_base = m_palette;
        m_fields = kEditAllStart;
    }
}

void CPaletteEditLogic::SetComponent(ColorComponent c, int value)
{
    m_fields[c] = std::clamp(value, 0, ComponentMax(c));
    Apply(c);
}

void CPaletteEditLogic::SetMatrix(ColorComponent slider, int xValue, int yValue)
{
    const MatrixAxes axes = MatrixAxesFor(slider);
    m_fields[axes.x] = std::clamp(xValue, 0, ComponentMax(axes.x));
    m_fields[axes.y] = std::clamp(yValue, 0, ComponentMax(axes.y));
    Apply(axes.x);
    // Both matrix components keep what the mouse gave them.
    m_fields[axes.y] = std::clamp(yValue, 0, ComponentMax(axes.y));
}

void CPaletteEditLogic::Swap(int a, int b)
{
    if (m_editAll) {
        for (int r : m_selection)
            m_palette[static_cast<size_t>(r)] = SwapChannels(m_palette[static_cast<size_t>(r)], a, b);
        m_base = m_palette;
        return;
    }
    m_current = SwapChannels(m_current, a, b);
    m_fields = FieldsFromSnes(m_current);
    m_palette[static_cast<size_t>(m_selected)] = m_current;
}

void CPaletteEditLogic::Reset()
{
    if (m_editAll) {
        for (int r : m_selection)
            m_palette[static_cast<size_t>(r)] = m_base[static_cast<size_t>(r)];
        m_fields = kEditAllStart;
        m_current = SnesFromRgbFields(m_fields);
        return;
    }
    m_current = m_oldColor;
    m_fields = FieldsFromSnes(m_current);
    m_palette[static_cast<size_t>(m_selected)] = m_current;
}

void CPaletteEditLogic::Apply(ColorComponent edited)
{
    if (m_editAll) {
        ApplyAll();
        return;
    }
    const int typed = m_fields[edited];
    m_current = IsHslComponent(edited) ? SnesFromHslFields(m_fields) : SnesFromRgbFields(m_fields);
    m_fields = FieldsFromSnes(m_current);
    m_fields[edited] = typed;
    m_palette[static_cast<size_t>(m_selected)] = m_current;
}

void CPaletteEditLogic::ApplyAll()
{
    // Every control counts as a move away from its starting value. Each
    // selected entry is rebuilt from the colour it had when the edit began,
    // so moving a control away and back restores the entry exactly.
    using C = ColorComponent;
    const int dh = m_fields[C::Hue] - kEditAllStart[C::Hue];
    const int ds = m_fields[C::Sat] - kEditAllStart[C::Sat];
    const int dl = m_fields[C::Lum] - kEditAllStart[C::Lum];
    const int dr = m_fields[C::Red] - kEditAllStart[C::Red];
    const int dg = m_fields[C::Green] - kEditAllStart[C::Green];
    const int db = m_fields[C::Blue] - kEditAllStart[C::Blue];
    for (int r : m_selection) {
        const SnesColor base = m_base[static_cast<size_t>(r)];
        SnesColor c = base;
        if (dh != 0 || ds != 0 || dl != 0) {
            const Hsl hsl = SnesToHsl(base);
            const int h = WrapHue(static_cast<int>(std::lround(hsl.h * 359.0)) + dh);
            const double s = std::clamp(hsl.s + ds / 100.0, 0.0, 1.0);
            const double l = std::clamp(hsl.l + dl / 100.0, 0.0, 1.0);
            c = RgbToSnes(HslToRgb(h / 359.0, s, l));
        }
        if (dr != 0 || dg != 0 || db != 0)
            c = Pack(Channel(c, 0) + dr, Channel(c, 1) + dg, Channel(c, 2) + db);
        m_palette[static_cast<size_t>(r)] = c;
    }
    m_current = SnesFromRgbFields(m_fields);
}

} // namespace quorvex
