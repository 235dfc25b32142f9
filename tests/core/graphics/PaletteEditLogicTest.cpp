// The "Edit Colour" dialog's arithmetic: fields, quantising, the text
// fields, Edit All and the matrix tracking.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/PaletteEditLogic.h"

using namespace quorvex;
using C = ColorComponent;

namespace {

SnesColor Word(int r, int g, int b) { return static_cast<SnesColor>(r | (g << 5) | (b << 10)); }

} // namespace

TEST(PaletteEdit, TextFields)
{
    struct Case {
        SnesColor word;
        const char* html;
        const char* hex16;
    } cases[] = {
        {Word(31, 0, 0), "0000FF", "001F"},
        {Word(0, 31, 0), "00FF00", "03E0"},
        {Word(0, 0, 31), "FF0000", "7C00"},
        {Word(1, 2, 3), "181008", "0C41"}, // channels 1, 2, 3 expand to 0x08, 0x10, 0x18
        {0x7FFF, "FFFFFF", "7FFF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HtmlText(c.word), c.html) << c.word;
        EXPECT_EQ(Hex16Text(c.word), c.hex16) << c.word;
    }
}

TEST(PaletteEdit, FieldsOfAColour)
{
    const ColorFields red = FieldsFromSnes(Word(31, 0, 0));
    EXPECT_EQ(red[C::Hue], 0);
    EXPECT_EQ(red[C::Sat], 100);
    EXPECT_EQ(red[C::Lum], 50);
    EXPECT_EQ(red[C::Red], 31);
    const ColorFields blue = FieldsFromSnes(Word(0, 0, 31));
    EXPECT_EQ(blue[C::Hue], 239); // 2/3 of 359, rounded
    EXPECT_EQ(blue[C::Blue], 31);
}

TEST(PaletteEdit, EditingOneEntryQuantisesToAWord)
{
    CPaletteEditLogic e({Word(31, 0, 0), Word(0, 31, 0), Word(0, 0, 31)});
    e.SelectEntry(1);
    EXPECT_EQ(e.Old(), Word(0, 31, 0));
    e.SetComponent(C::Red, 10);
    EXPECT_EQ(e.Current(), Word(10, 31, 0));
    EXPECT_EQ(e.Palette()[1], Word(10, 31, 0));
    EXPECT_EQ(e.Fields()[C::Hue], FieldsFromSnes(Word(10, 31, 0))[C::Hue]);
    // Lightness 0 is black whatever the hue.
    e.SetComponent(C::Lum, 0);
    EXPECT_EQ(e.Current(), 0);
    EXPECT_EQ(e.Fields()[C::Lum], 0);
    // Out of range values are held at the limits.
    e.SetComponent(C::Blue, 99);
    EXPECT_EQ(e.Fields()[C::Blue], 31);
    e.Reset();
    EXPECT_EQ(e.Current(), Word(0, 31, 0));
    EXPECT_EQ(e.Palette()[1], Word(0, 31, 0));
    EXPECT_EQ(e.Palette()[0], Word(31, 0, 0));
}

TEST(PaletteEdit, SteppingAFieldByOneIsNotUndoneByRounding)
{
    CPaletteEditLogic e({Word(16, 16, 16)});
    const int lum = e.Fields()[C::Lum];
    e.SetComponent(C::Lum, lum + 1);
    EXPECT_EQ(e.Fields()[C::Lum], lum + 1);
}

TEST(PaletteEdit, SwapsExchangeChannels)
{
    CPaletteEditLogic e({Word(1, 2, 3)});
    e.Swap(0, 1);
    EXPECT_EQ(e.Current(), Word(2, 1, 3));
    e.Swap(1, 2);
    EXPECT_EQ(e.Current(), Word(2, 3, 1));
    e.Swap(2, 0);
    EXPECT_EQ(e.Current(), Word(1, 3, 2));
}

TEST(PaletteEdit, EditAllMovesTheHueOfSelectedEntriesOnly)
{
    const std::vector<SnesColor> pal = {Word(31, 0, 0), Word(0, 31, 0), Word(20, 10, 5), Word(16, 16, 16)};
    CPaletteEditLogic e(pal);
    e.SetEditAll(true);
    EXPECT_EQ(e.Fields()[C::Hue], 179);
    EXPECT_EQ(e.Fields()[C::Sat], 50);
    EXPECT_EQ(e.Fields()[C::Lum], 50);
    EXPECT_EQ(e.Fields()[C::Red], 16);
    e.SetSelection({0, 2, 3});
    e.SetComponent(C::Hue, 179 + 120); // a third of the circle
    // Red moves to green's third; unselected green stays; grey has no hue.
    const SnesColor moved = e.Palette()[0];
    EXPECT_GT((moved >> 5) & 31, 25) << std::hex << moved;
    EXPECT_LT(moved & 31, 5) << std::hex << moved;
    EXPECT_EQ(e.Palette()[1], pal[1]);
    EXPECT_EQ(e.Palette()[3], RgbToSnes(HslToRgb(0, 0, SnesToHsl(pal[3]).l)));
    // Moving back restores every entry exactly.
    e.SetComponent(C::Hue, 179);
    EXPECT_EQ(e.Palette(), pal);
}

TEST(PaletteEdit, EditAllHueWrapsBy359)
{
    // Red has hue 0; moving it by -1 wraps to 358 (0 - 1 + 359), which is
    // the same as moving it by 358.
    CPaletteEditLogic a({Word(31, 0, 0)}), b({Word(31, 0, 0)});
    a.SetEditAll(true);
    b.SetEditAll(true);
    a.SetSelection({0});
    b.SetSelection({0});
    a.SetComponent(C::Hue, 178);
    const Hsl red = SnesToHsl(Word(31, 0, 0));
    EXPECT_EQ(a.Palette()[0], RgbToSnes(HslToRgb(358 / 359.0, red.s, red.l)));
    b.SetComponent(C::Hue, 179 + 179);
    b.SetComponent(C::Hue, 359); // hue field limit: +180
    EXPECT_EQ(b.Palette()[0], RgbToSnes(HslToRgb(180 / 359.0, red.s, red.l)));
}

TEST(PaletteEdit, EditAllChannelsMoveAndClamp)
{
    CPaletteEditLogic e({Word(30, 2, 10), Word(1, 1, 1)});
    e.SetEditAll(true);
    e.SetSelection({0, 1});
    e.SetComponent(C::Red, 16 + 5);
    e.SetComponent(C::Green, 16 - 4);
    EXPECT_EQ(e.Palette()[0], Word(31, 0, 10));
    EXPECT_EQ(e.Palette()[1], Word(6, 0, 1));
    e.Reset();
    EXPECT_EQ(e.Palette()[0], Word(30, 2, 10));
    EXPECT_EQ(e.Palette()[1], Word(1, 1, 1));
}

TEST(PaletteEdit, MatrixShowsTheOtherTwoComponentsOfTheModel)
{
    struct Case {
        C slider, x, y;
    } cases[] = {{C::Hue, C::Sat, C::Lum}, {C::Sat, C::Hue, C::Lum}, {C::Lum, C::Hue, C::Sat},
                 {C::Red, C::Green, C::Blue}, {C::Green, C::Red, C::Blue}, {C::Blue, C::Red, C::Green}};
    for (const Case& c : cases) {
        const MatrixAxes a = MatrixAxesFor(c.slider);
        EXPECT_EQ(a.x, c.x);
        EXPECT_EQ(a.y, c.y);
        EXPECT_EQ(IsHslComponent(a.x), IsHslComponent(c.slider));
    }
    CPaletteEditLogic e({0});
    e.SetMatrix(C::Blue, 31, 7);
    EXPECT_EQ(e.Current(), Word(31, 7, 0));
}

TEST(PaletteEdit, MatrixTracking)
{
    const MatrixPoint anchor{10, 20}, mouse{30, 5};
    EXPECT_EQ(TrackMatrix(anchor, mouse, false, false).x, 30);
    EXPECT_EQ(TrackMatrix(anchor, mouse, false, false).y, 5);
    EXPECT_EQ(TrackMatrix(anchor, mouse, true, false).x, 30); // Shift: horizontal only
    EXPECT_EQ(TrackMatrix(anchor, mouse, true, false).y, 20);
    EXPECT_EQ(TrackMatrix(anchor, mouse, false, true).x, 10); // Ctrl: vertical only
    EXPECT_EQ(TrackMatrix(anchor, mouse, false, true).y, 5);
}
