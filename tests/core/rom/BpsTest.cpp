// BPS: patches built by the test's own encoder apply here, patches made
// here apply with the test's own applier, and every kind of damage is
// refused without producing anything.
#include <gtest/gtest.h>

#include <random>

#include "ReferencePatches.h"
#include "TestSupport.h"
#include "rom/Bps.h"

using namespace quorvex;
using reference::Bytes;

namespace {

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

const Bytes kSentinel = {0xDE, 0xAD};

// Applies and expects a refusal that leaves the output as it was.
PatchStatus Refused(const Bytes& source, const Bytes& patch)
{
    Bytes out = kSentinel;
    const PatchResult r = ApplyBps(source, patch, out);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(out, kSentinel);
    return r.status;
}

} // namespace

TEST(Bps, AppliesAPatchUsingAllFourActions)
{
    const Bytes source = Text("The quick brown fox jumps over the lazy dog");
    const Bytes expected = Text("The slow brown fox slo!!!!!!quithe ");
    const Bytes patch = reference::BpsBuilder(source.size(), expected.size())
                            .SourceRead(4)          // "The "
                            .TargetRead(Text("slow "))
                            .SourceCopy(6, 10)      // "brown "
                            .SourceCopy(3, 16)      // "fox"
                            .TargetCopy(4, 3)       // " slo" from what was written
                            .TargetRead(Text("!"))
                            .TargetCopy(5, 22)      // overlapping: the "!" five more times
                            .SourceCopy(3, 4)       // "qui", a step backwards
                            .SourceRead(4)          // "the " at the same place as in the source
                            .Finish(source, expected);
    ASSERT_EQ(reference::ApplyBps(source, patch), expected); // the reference agrees with the hand result
    Bytes out;
    const PatchResult r = ApplyBps(source, patch, out);
    ASSERT_TRUE(r.Ok()) << PatchMessage(r);
    EXPECT_EQ(out, expected);

    BpsInfo info;
    ASSERT_TRUE(ReadBpsInfo(patch, info).Ok());
    EXPECT_EQ(info.sourceSize, source.size());
    EXPECT_EQ(info.targetSize, expected.size());
    EXPECT_EQ(info.sourceCrc, reference::Crc(source));
    EXPECT_EQ(info.targetCrc, reference::Crc(expected));
    EXPECT_EQ(info.actions, (std::array<uint64_t, 4>{2, 2, 3, 2}));
}

TEST(Bps, KeepsMetadataAndLargeNumbers)
{
    // A 300-byte target read needs a two-byte action number; metadata is skipped.
    const Bytes source;
    const Bytes target = test::RandomBytes(300, 7);
    const Bytes patch = reference::BpsBuilder(0, target.size(), "<?xml version=\"1.0\"?>").TargetRead(target).Finish(source, target);
    Bytes out;
    ASSERT_TRUE(ApplyBps(source, patch, out).Ok());
    EXPECT_EQ(out, target);
    BpsInfo info;
    ASSERT_TRUE(ReadBpsInfo(patch, info).Ok());
    EXPECT_EQ(info.metadata, "<?xml version=\"1.0\"?>");
}

struct Pair {
    const char* name;
    Bytes source;
    Bytes target;
    size_t maxPatch; // the patch must not be larger
};

std::vector<Pair> Pairs()
{
    std::vector<Pair> pairs;
    const Bytes base = test::RandomBytes(1 << 16, 1);
    pairs.push_back({"identical", base, base, 32});
    Bytes scattered = base;
    std::mt19937 rng(2);
    for (int k = 0; k < 655; ++k)
        scattered[rng() % scattered.size()] ^= uint8_t(1 + rng() % 255);
    pairs.push_back({"scattered", base, scattered, 655 * 5});
    Bytes inserted = base;
    inserted.insert(inserted.begin() + 30000, 100, 0x42);
    pairs.push_back({"inserted", base, inserted, 64});
    Bytes removed = base;
    removed.erase(removed.begin() + 1000, removed.begin() + 5000);
    pairs.push_back({"removed", base, removed, 64});
    Bytes expanded = base;
    expanded.resize(base.size() + (512 << 10), 0xFF);
    pairs.push_back({"expanded", base, expanded, 64});
    pairs.push_back({"shrunk", base, Bytes(base.begin(), base.begin() + 4096), 32});
    pairs.push_back({"from nothing", {}, test::RandomBytes(5000, 3), 5100});
    pairs.push_back({"to nothing", base, {}, 32});
    pairs.push_back({"both empty", {}, {}, 32});
    pairs.push_back({"all new", base, test::RandomBytes(1 << 16, 4), (1 << 16) + 64});
    Bytes swapped(base.begin() + (1 << 15), base.end());
    swapped.insert(swapped.end(), base.begin(), base.begin() + (1 << 15));
    pairs.push_back({"halves swapped", base, swapped, 64});
    Bytes pattern;
    for (int k = 0; k < 3000; ++k)
        pattern.insert(pattern.end(), {'A', 'B', 'C'});
    pairs.push_back({"repeated pattern", base, pattern, 64});
    pairs.push_back({"tiny", Text("ab"), Text("abc"), 32});
    return pairs;
}

TEST(Bps, CreatedPatchesApplyHereAndWithAnotherApplier)
{
    for (const Pair& p : Pairs()) {
        const Bytes patch = CreateBps(p.source, p.target);
        EXPECT_LE(patch.size(), p.maxPatch) << p.name;
        const auto theirs = reference::ApplyBps(p.source, patch);
        ASSERT_TRUE(theirs.has_value()) << p.name;
        EXPECT_TRUE(*theirs == p.target) << p.name;
        Bytes ours;
        const PatchResult r = ApplyBps(p.source, patch, ours);
        ASSERT_TRUE(r.Ok()) << p.name << ": " << PatchMessage(r);
        EXPECT_TRUE(ours == p.target) << p.name;
    }
}

TEST(Bps, AWrongSourceIsRefusedNamingBothChecksums)
{
    const Bytes source = test::RandomBytes(4096, 10), target = test::RandomBytes(4096, 11);
    const Bytes patch = CreateBps(source, target);
    Bytes other = source;
    other[100] ^= 1;
    Bytes out = kSentinel;
    const PatchResult r = ApplyBps(other, patch, out);
    EXPECT_EQ(r.status, PatchStatus::WrongSource);
    EXPECT_EQ(out, kSentinel);
    char expected[200];
    std::snprintf(expected, sizeof expected,
                  "This patch is for another image: it expects CRC32 %08X (4096 bytes), but this image (without "
                  "copier header) has CRC32 %08X (4096 bytes).",
                  reference::Crc(source), reference::Crc(other));
    EXPECT_EQ(PatchMessage(r), expected);
    // A source of another size is refused the same way.
    EXPECT_EQ(Refused(Bytes(source.begin(), source.end() - 1), patch), PatchStatus::WrongSource);
}

TEST(Bps, DamagedPatchesAreRefused)
{
    const Bytes source = Text("0123456789");
    const Bytes target = Text("0123456789");
    using B = reference::BpsBuilder;
    struct Case {
        const char* name;
        Bytes patch;
        PatchStatus status;
    };
    Bytes flipped = B(10, 10).SourceRead(10).Finish(source, target);
    flipped[5] ^= 0x40;
    // A target read of 10 bytes followed by only 3.
    const Bytes cut = B(10, 10).Raw({0xA5}).Raw(Text("abc")).Finish(source, target);
    const Case cases[] = {
        {"not a patch", Text("BPS0..............."), PatchStatus::NotAPatch},
        {"too short", Text("BPS1"), PatchStatus::Truncated},
        {"patch checksum", flipped, PatchStatus::BadPatchChecksum},
        {"target read cut short", cut, PatchStatus::Truncated},
        {"source read past the source", B(10, 12).SourceRead(12).Finish(source, Text("0123456789ab")),
         PatchStatus::ActionPastSource},
        {"source copy past the source", B(10, 10).SourceCopy(4, 8).SourceRead(6).Finish(source, target),
         PatchStatus::ActionPastSource},
        {"source copy before the source", B(10, 10).SourceCopy(2, -1).SourceRead(8).Finish(source, target),
         PatchStatus::ActionPastSource},
        {"read past the target", B(10, 10).SourceRead(10).SourceRead(1).Finish(source, target),
         PatchStatus::ActionPastTarget},
        {"target copy of unwritten bytes", B(10, 10).SourceRead(2).TargetCopy(8, 2).Finish(source, target),
         PatchStatus::BadTargetCopy},
        {"target copy before the start", B(10, 10).SourceRead(2).TargetCopy(8, -1).Finish(source, target),
         PatchStatus::BadTargetCopy},
        {"actions end early", B(10, 10).SourceRead(9).Finish(source, target), PatchStatus::TargetShort},
        {"result checksum", B(10, 10).SourceRead(10).Finish(reference::Crc(source), 0x12345678),
         PatchStatus::BadTargetChecksum},
        {"number of nine groups", B(10, 10).Raw(Bytes(9, 0x00)).Finish(source, target), PatchStatus::BadNumber},
        {"huge result", B(10, 1ull << 40).SourceRead(10).Finish(source, target), PatchStatus::TooLarge},
    };
    for (const Case& c : cases) {
        Bytes out = kSentinel;
        const PatchResult r = ApplyBps(source, c.patch, out);
        EXPECT_EQ(r.status, c.status) << c.name << ": " << PatchMessage(r);
        EXPECT_EQ(out, kSentinel) << c.name;
        EXPECT_FALSE(PatchMessage(r).empty()) << c.name;
        if (c.status != PatchStatus::TooLarge && c.status != PatchStatus::BadTargetChecksum) {
            BpsInfo info;
            EXPECT_EQ(ReadBpsInfo(c.patch, info).status, c.status) << c.name;
        }
    }
}

TEST(Bps, EveryCutOfAPatchIsRefused)
{
    const Bytes source = test::RandomBytes(2000, 20);
    Bytes target = source;
    target.insert(target.begin() + 500, 40, 0x11);
    const Bytes patch = CreateBps(source, target);
    for (size_t n = 0; n < patch.size(); ++n)
        Refused(source, Bytes(patch.begin(), patch.begin() + long(n)));
}

TEST(Bps, DamagedPatchMessages)
{
    EXPECT_EQ(PatchMessage(PatchFailure(PatchStatus::BadPatchChecksum, 0, 0xAABBCCDD, 0x01020304)),
              "The patch is damaged: its CRC32 is 01020304, but it says AABBCCDD.");
    EXPECT_EQ(PatchMessage(PatchFailure(PatchStatus::ActionPastSource, 17)),
              "The patch is damaged: the action at byte 17 reads past the end of the original.");
    EXPECT_EQ(PatchMessage(PatchFailure(PatchStatus::NotAPatch)), "Not a BPS or IPS patch!!");
}
