// png export, png import, font show: the bitmap editor's export, import and
// glyph view without a window.
#include <iostream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "graphics/BitmapEditorLogic.h"
#include "graphics/BitmapTables.h"
#include "graphics/SpriteSheets.h"
#include "rom/RomData.h"

namespace quorvex::cli {

namespace {

// The graphic named on the command line, with the palette options.
struct Target {
    bool sprite = false;
    bool bothPalettes = false; // --town-palette and --battle-palette together
    int number = 0;
    SpriteView view;
};

// Parses "wallpaper|sprite N" and the sheet and palette options. False on
// any usage error.
bool ParseTarget(std::vector<std::string>& args, size_t kindAt, Target& t)
{
    std::string text;
    bool missing = false;
    long town = -1, battle = -1;
    if (TakeOption(args, "--town-palette", text, &missing) &&
        (!ParseNumber(text, town) || town < 0 || town >= kTownPaletteCount))
        return false;
    if (TakeOption(args, "--battle-palette", text, &missing) &&
        (!ParseNumber(text, battle) || battle < 0 || battle >= kBattlePaletteCount))
        return false;
    t.view.newFormat = TakeFlag(args, "--new-format");
    if (missing || args.size() <= kindAt + 1)
        return false;
    long n = 0;
    const std::string& kind = args[kindAt];
    if (kind != "wallpaper" && kind != "sprite")
        return false;
    t.sprite = kind == "sprite";
    if (!ParseNumber(args[kindAt + 1], n) || n < 0 || n >= (t.sprite ? kSpriteCount : kWallpaperCount))
        return false;
    t.number = static_cast<int>(n);
    if (!t.sprite && (town >= 0 || battle >= 0 || t.view.newFormat))
        return false;
    if (t.sprite) {
        const SpriteRecord& rec = SpriteRecords()[static_cast<size_t>(n)];
        t.view.sprite = t.number;
        t.view.townPalette = town >= 0 ? static_cast<int>(town) : static_cast<int>(rec.defaultPalette % kTownPaletteCount);
        t.view.battlePalette = battle >= 0 ? static_cast<int>(battle) : static_cast<int>(rec.defaultPalette % kBattlePaletteCount);
        t.view.battle = battle >= 0;
        t.bothPalettes = town >= 0 && battle >= 0;
    }
    return true;
}

int RunPngExport(const std::vector<std::string>& argsIn)
{
    static const char* kUsage =
        "png export IMAGE wallpaper|sprite N OUT.png [--new-format] [--town-palette P] [--battle-palette B]";
    std::vector<std::string> args = argsIn;
    Target t;
    // One palette is exported: the town palette, or the battle one when named.
    if (!ParseTarget(args, 1, t) || args.size() != 4 || t.bothPalettes)
        return UsageError(kUsage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    const std::string& out = args[3];
    const int r = t.sprite ? ExportSpritePng(doc->Rom(), t.view, out) : ExportWallpaperPng(doc->Rom(), t.number, out);
    if (r != 0) {
        std::cerr << "Problems writing `" << out << "'\n";
        return 1;
    }
    std::cout << "`" << out << "' created\n";
    return 0;
}

int RunPngImport(const std::vector<std::string>& argsIn)
{
    static const char* kUsage = "png import IMAGE wallpaper|sprite N IN.png "
                                "[--import-palette|--import-town-palette|--import-battle-palette] [--new-format] "
                                "[--town-palette P] [--battle-palette B]";
    std::vector<std::string> args = argsIn;
    const bool palette = TakeFlag(args, "--import-palette");
    const bool town = TakeFlag(args, "--import-town-palette");
    const bool battle = TakeFlag(args, "--import-battle-palette");
    Target t;
    if (!ParseTarget(args, 1, t) || args.size() != 4 || (t.sprite && palette) || (!t.sprite && (town || battle)))
        return UsageError(kUsage);
    auto doc = OpenKnownImage(args[0]);
    if (!doc)
        return 1;
    // The import changes the document only when the whole image was read,
    // and the file is written only after that, by the same replace-on-
    // success save as the program's: any failure leaves it as it was.
    const BitmapImport r = t.sprite ? ImportSpritePng(doc->Rom(), t.view, args[3], town, battle)
                                    : ImportWallpaperPng(doc->Rom(), t.number, args[3], palette);
    if (r.status != 0) {
        std::cerr << r.error << "\nNothing was imported; the image is unchanged.\n";
        return 1;
    }
    if (!SaveImage(*doc))
        return 1;
    std::cout << r.changedTiles.size() << " tiles imported from `" << args[3] << "'\n";
    return 0;
}

int RunFontShow(const std::vector<std::string>& args)
{
    static const char* kUsage = "font show IMAGE big|small N";
    long n = 0;
    if (args.size() != 3 || (args[1] != "big" && args[1] != "small") || !ParseNumber(args[2], n))
        return UsageError(kUsage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    const bool big = args[1] == "big";
    const std::string text = FontGlyphText(doc->Rom(), big, static_cast<int>(n));
    if (text.empty()) {
        std::cerr << "No such " << (big ? "glyph" : "tile") << ": the " << args[1] << " font holds "
                  << (big ? BigFontGlyphCount(doc->Rom()) : kSmallFontTiles) << "\n";
        return 1;
    }
    std::cout << text;
    return 0;
}

const CliVerb kPngExport{"png export",
                         "png export IMAGE wallpaper|sprite N OUT.png [--new-format] [--town-palette P] "
                         "[--battle-palette B]",
                         "write a wallpaper or sprite sheet as an 8-bit indexed PNG", RunPngExport};
const CliVerb kPngImport{"png import",
                         "png import IMAGE wallpaper|sprite N IN.png "
                         "[--import-palette|--import-town-palette|--import-battle-palette]",
                         "replace a wallpaper's or sprite's tiles (and palette) from a PNG and save", RunPngImport};
const CliVerb kFontShow{"font show", "font show IMAGE big|small N", "print a glyph or small-font tile as text rows",
                        RunFontShow};

} // namespace

} // namespace quorvex::cli
