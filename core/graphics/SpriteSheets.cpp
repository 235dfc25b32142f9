#include "graphics/SpriteSheets.h"

#include <vector>

#include "graphics/BitmapTables.h"

namespace quorvex {

namespace {

using Pose = std::array<uint32_t, 6>; // top left, top right, middle..., bottom right

constexpr uint32_t M = kCellMirror;
constexpr uint32_t E = kEmptyCell;

// A pose seen from the other side: columns exchanged, every tile mirrored.
Pose Mirrored(const Pose& p)
{
    Pose out{};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c) {
            const uint32_t cell = p[static_cast<size_t>(r * 2 + 1 - c)];
            out[static_cast<size_t>(r * 2 + c)] = cell == E ? E : cell ^ M;
        }
    return out;
}

// The 48 poses of a character sheet with `tiles` tiles.
std::vector<Pose> CharacterPoses(uint32_t tiles)
{
    std::vector<Pose> poses = {
        {0x00, 0x01, 0x02, 0x03, 0x04, 0x05},         // down, standing
        {0x00, 0x01, 0x06, 0x07, 0x08, 0x09},         // down, walking
        {0x00, 0x01, 0x02, 0x03, 0x05 | M, 0x04 | M}, // down, other foot
        {0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11},         // up, standing
        {0x0C, 0x0D, 0x12, 0x13, 0x14, 0x15},         // up, walking
        {0x0C, 0x0D, 0x0E, 0x0F, 0x11 | M, 0x10 | M}, // up, other foot
        {0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D},         // left, standing
        {0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23},         // left, walking
    };
    poses.push_back(Mirrored(poses[6])); // right, standing
    poses.push_back(Mirrored(poses[7])); // right, walking
    poses.push_back({0x0A, 0x0B, 0x02, 0x03, 0x04, 0x05}); // down, eyes closed
    poses.push_back({0x16, 0x17, 0x0E, 0x0F, 0x10, 0x11}); // up, head turned
    const size_t firstFree = poses.size();
    for (uint32_t t = 0x24; t < tiles; t += 6) {
        Pose p{E, E, E, E, E, E};
        for (uint32_t i = 0; i < 6 && t + i < tiles; ++i)
            p[i] = t + i;
        poses.push_back(p);
    }
    // The rest of the 48 show the first free poses from the other side.
    for (size_t i = firstFree; poses.size() < 48; ++i)
        poses.push_back(Mirrored(poses[i]));
    return poses;
}

Arrangement PoseSheet(const std::vector<Pose>& poses, int poseRows, int height)
{
    Arrangement a{16, height, std::vector<uint32_t>(static_cast<size_t>(16 * height), E)};
    for (int p = 0; p < poseRows * 8 && p < static_cast<int>(poses.size()); ++p) {
        const int x0 = (p % 8) * 2, y0 = (p / 8) * 3;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c)
                a.cells[static_cast<size_t>((y0 + r) * 16 + x0 + c)] = poses[static_cast<size_t>(p)][static_cast<size_t>(r * 2 + c)];
    }
    return a;
}

struct KindSize {
    uint32_t kind;
    int width, height;
};

constexpr KindSize kKindSizes[] = {
    {2, 16, 6}, {3, 16, 6}, {4, 16, 6}, {5, 16, 6}, {6, 6, 3},   {7, 4, 3},   {8, 2, 3},   {9, 4, 3},
    {10, 2, 2}, {11, 2, 1}, {12, 2, 2}, {13, 2, 2}, {14, 4, 2},  {15, 8, 2},  {16, 4, 4},  {17, 8, 6},
    {18, 4, 6}, {19, 4, 4}, {20, 4, 6}, {21, 6, 4}, {22, 12, 6}, {23, 4, 2},  {24, 8, 4},  {25, 12, 10},
    {26, 12, 16},
};

// How many records of each kind follow the 22 character records, in pool
// order; the rest of the 168 are single tiles.
struct KindRun {
    uint32_t kind;
    int records;
};
constexpr KindRun kRuns[] = {
    {2, 2},  {3, 2},  {4, 2},  {5, 2},  {6, 6},  {7, 4},  {8, 20}, {9, 4},  {10, 8}, {11, 6}, {12, 8},
    {13, 8}, {14, 4}, {15, 4}, {16, 4}, {17, 3}, {18, 3}, {19, 4}, {20, 3}, {21, 3}, {22, 2}, {23, 4},
    {24, 3}, {25, 2}, {26, 1},
};

std::array<SpriteRecord, kSpriteCount> MakeRecords()
{
    std::array<SpriteRecord, kSpriteCount> r{};
    uint32_t tile = 0;
    size_t i = 0;
    auto add = [&](uint32_t kind, uint32_t count, uint32_t palette) {
        r[i++] = {tile, palette, count, kind};
        tile += count;
    };
    for (int c = 0; c < 16; ++c)
        add(0, 181, static_cast<uint32_t>(c % 6));
    for (int c = 0; c < 6; ++c)
        add(1, 171, static_cast<uint32_t>((c + 2) % 8));
    for (const KindRun& run : kRuns) {
        int w = 0, h = 0;
        LayoutSize(run.kind, w, h);
        for (int n = 0; n < run.records; ++n)
            add(run.kind, static_cast<uint32_t>(w * h), static_cast<uint32_t>((i * 3) % 8));
    }
    while (i < r.size())
        add(kSingleTileKind, 1, static_cast<uint32_t>(i % 8));
    return r;
}

} // namespace

const std::array<SpriteRecord, kSpriteCount>& SpriteRecords()
{
    static const std::array<SpriteRecord, kSpriteCount> records = MakeRecords();
    static_assert(kSpriteCount == 168);
    return records;
}

void LayoutSize(uint32_t kind, int& width, int& height)
{
    width = height = 1;
    for (const KindSize& k : kKindSizes)
        if (k.kind == kind) {
            width = k.width;
            height = k.height;
        }
}

Arrangement SpriteLayout(int sprite, bool newFormat)
{
    if (sprite < 0 || sprite >= kSpriteCount)
        return {};
    const SpriteRecord& rec = SpriteRecords()[static_cast<size_t>(sprite)];
    if (sprite < kCharacterSprites) {
        const std::vector<Pose> poses = CharacterPoses(rec.tileCount);
        // The old sheet holds five rows of poses and one empty cell row.
        return newFormat ? PoseSheet(poses, 6, 18) : PoseSheet(poses, 5, 16);
    }
    int w = 1, h = 1;
    LayoutSize(rec.kind, w, h);
    Arrangement a{w, h, std::vector<uint32_t>(static_cast<size_t>(w * h), E)};
    for (uint32_t c = 0; c < a.cells.size() && c < rec.tileCount; ++c)
        a.cells[c] = c;
    return a;
}

const Arrangement& WallpaperLayout()
{
    static const Arrangement layout = [] {
        constexpr int w = 28, h = 8;
        constexpr uint32_t F = kCellFlip;
        Arrangement a{w, h, std::vector<uint32_t>(w * h, E)};
        auto set = [&](int x, int y, uint32_t c) { a.cells[static_cast<size_t>(y * w + x)] = c; };
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool left = x == 0, right = x == w - 1, top = y == 0, bottom = y == h - 1;
                if ((left || right) && (top || bottom))
                    set(x, y, 16 | (right ? M : 0) | (bottom ? F : 0));
                else if (top || bottom)
                    set(x, y, (17 + (x + 1) % 2) | (bottom ? F : 0));
                else if (left || right)
                    set(x, y, (19 + (y + 1) % 2) | (right ? M : 0));
                else
                    set(x, y, static_cast<uint32_t>(((y - 1) % 4) * 4 + (x - 1) % 4));
            }
        return a;
    }();
    return layout;
}

} // namespace quorvex
