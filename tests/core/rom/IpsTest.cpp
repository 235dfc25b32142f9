// IPS: records, runs and the truncation extension as other tools write
// them; patches made here read back with the test's own reader; the 16 MiB
// limit and the "EOF" offset.
#include <gtest/gtest.h>

#include <random>

#include "ReferencePatches.h"
#include "TestSupport.h"
#include "rom/Ips.h"

using namespace quorvex;
using reference::Bytes;

namespace {

Bytes Iota(size_t n)
{
    Bytes b(n);
    for (size_t i = 0; i < n; ++i)
        b[i] = uint8_t(i);
    return b;
}

// Creates the patch, checks it with the reference applier and with ours,
// and returns it.
Bytes RoundTrip(const Bytes& source, const Bytes& target, const std::string& name)
{
    Bytes patch;
    const PatchResult r = CreateIps(source, target, patch);
    EXPECT_TRUE(r.Ok()) << name << ": " << PatchMessage(r);
    const auto theirs = reference::ApplyIps(source, patch);
    EXPECT_TRUE(theirs.has_value()) << name;
    EXPECT_TRUE(theirs && *theirs == target) << name;
    Bytes ours;
    EXPECT_TRUE(ApplyIps(source, patch, ours).Ok()) << name;
    EXPECT_TRUE(ours == target) << name;
    return patch;
}

} // namespace

TEST(Ips, AppliesRecordsRunsAndGrowth)
{
    const Bytes source = Iota(32);
    const Bytes patch =
        reference::IpsBuilder().Record(2, {0xAA, 0xBB}).Run(10, 4, 0x77).Record(40, {1, 2}).Finish();
    Bytes expected = source;
    expected[2] = 0xAA;
    expected[3] = 0xBB;
    for (int i = 10; i < 14; ++i)
        expected[i] = 0x77;
    expected.resize(40, 0x00); // the gap past the old end reads as zeros
    expected.insert(expected.end(), {1, 2});
    Bytes out;
    ASSERT_TRUE(ApplyIps(source, patch, out).Ok());
    EXPECT_EQ(out, expected);

    IpsInfo info;
    ASSERT_TRUE(ReadIpsInfo(patch, info).Ok());
    EXPECT_EQ(info.records, 3u);
    EXPECT_EQ(info.runs, 1u);
    EXPECT_EQ(info.end, 42u);
    EXPECT_FALSE(info.truncates);
}

TEST(Ips, TheTruncationExtensionCutsTheResult)
{
    const Bytes patch = reference::IpsBuilder().Record(1, {9}).Finish(16);
    Bytes out;
    ASSERT_TRUE(ApplyIps(Iota(32), patch, out).Ok());
    Bytes expected = Iota(16);
    expected[1] = 9;
    EXPECT_EQ(out, expected);
    IpsInfo info;
    ASSERT_TRUE(ReadIpsInfo(patch, info).Ok());
    EXPECT_TRUE(info.truncates);
    EXPECT_EQ(info.truncateTo, 16u);
}

TEST(Ips, CreatedPatchesApplyWithAnotherApplier)
{
    const Bytes base = test::RandomBytes(1 << 17, 1);
    EXPECT_EQ(RoundTrip(base, base, "identical").size(), 8u); // "PATCH" and "EOF" only
    Bytes scattered = base;
    std::mt19937 rng(5);
    for (int k = 0; k < 1300; ++k)
        scattered[rng() % scattered.size()] ^= uint8_t(1 + rng() % 255);
    EXPECT_LE(RoundTrip(base, scattered, "scattered").size(), 8u + 1300 * 6);
    Bytes zeroed = base;
    std::fill(zeroed.begin() + 1000, zeroed.begin() + 3000, 0x00);
    EXPECT_LE(RoundTrip(base, zeroed, "run").size(), 8u + 8 + 2 * 5 + 4); // one run record, maybe two edge bytes
    Bytes expanded = base;
    expanded.resize(base.size() + (512 << 10), 0xFF);
    const Bytes expansion = RoundTrip(base, expanded, "expanded");
    EXPECT_LE(expansion.size(), 8u + 9 * 8); // runs of at most 0xFFFF bytes
    RoundTrip(base, Bytes(base.begin(), base.begin() + 4096), "shrunk");
    RoundTrip(base, {}, "to nothing");
    RoundTrip({}, test::RandomBytes(70000, 3), "new data longer than one record");
    RoundTrip(base, test::RandomBytes(1 << 17, 4), "all new");
}

TEST(Ips, NoRecordStartsAtTheEofOffset)
{
    const size_t size = 0x480000;
    const Bytes source = test::RandomBytes(size, 8);
    const size_t eof = kIpsEofOffset;
    struct Case {
        const char* name;
        size_t from;
        size_t length;
        bool run;
        bool sameBefore; // the byte before the EOF offset already holds the run's value
    };
    const Case cases[] = {
        {"one changed byte", eof, 1, false, false},
        {"run, byte before differs", eof, 40, true, false},
        {"run, byte before equal", eof, 40, true, true},
        {"longest literal", eof, 0xFFFF, false, false},
        {"split lands on it", eof - 0xFFFF, 0x20000, false, false},
        {"longest run", eof, 0xFFFF, true, false},
    };
    for (const Case& c : cases) {
        Bytes target = source;
        const Bytes fresh = test::RandomBytes(c.length, 9);
        for (size_t i = 0; i < c.length; ++i) {
            const uint8_t v = c.run ? 0x33 : uint8_t(fresh[i] == source[c.from + i] ? ~fresh[i] : fresh[i]);
            target[c.from + i] = v;
        }
        Bytes src = source;
        if (c.sameBefore)
            src[eof - 1] = target[eof - 1] = 0x33;
        else if (target[eof - 1] == 0x33 && c.from == eof)
            src[eof - 1] = target[eof - 1] = 0x34;
        const Bytes patch = RoundTrip(src, target, c.name);
        const auto records = reference::IpsRecords(patch);
        ASSERT_TRUE(records.has_value()) << c.name;
        for (const auto& r : *records)
            EXPECT_NE(r.offset, eof) << c.name;
    }
}

TEST(Ips, DifferencesBeyond16MiBAreRefusedWithAdviceToUseBps)
{
    const size_t big = 17u << 20;
    Bytes source(big, 0x00);
    Bytes target = source;
    target[0x1000010] = 1;
    Bytes patch = {0x55};
    PatchResult r = CreateIps(source, target, patch);
    EXPECT_EQ(r.status, PatchStatus::IpsBeyondLimit);
    EXPECT_EQ(PatchMessage(r),
              "The images differ at offset 0x1000010, beyond the 16 MiB an IPS patch can reach: use BPS.");
    // Growing past the limit.
    Bytes small(kIpsLimit - 10, 0x00);
    Bytes grown(kIpsLimit + 10, 0x00);
    EXPECT_EQ(CreateIps(small, grown, patch).status, PatchStatus::IpsBeyondLimit);
    // Cutting to a size that three bytes cannot hold.
    EXPECT_EQ(CreateIps(source, Bytes(kIpsLimit + 1, 0x00), patch).status, PatchStatus::IpsBeyondLimit);
    // The last offset below the limit is still fine; so is cutting to 1 MiB.
    target = source;
    target[kIpsLimit - 1] = 7;
    EXPECT_TRUE(CreateIps(source, target, patch).Ok());
    EXPECT_TRUE(CreateIps(source, Bytes(1 << 20, 0x00), patch).Ok());
}

TEST(Ips, DamagedPatchesAreRefused)
{
    const Bytes source = Iota(64);
    const Bytes good = reference::IpsBuilder().Record(3, {1, 2, 3}).Run(20, 5, 9).Finish();
    struct Case {
        const char* name;
        Bytes patch;
        PatchStatus status;
    };
    Bytes noEof(good.begin(), good.end() - 3);
    Bytes trailing = good;
    trailing.insert(trailing.end(), {1, 2});
    const Case cases[] = {
        {"not a patch", Bytes{'P', 'A', 'T', 'C', 'X', 'E', 'O', 'F'}, PatchStatus::NotAPatch},
        {"no end marker", noEof, PatchStatus::Truncated},
        {"record cut short", Bytes(good.begin(), good.begin() + 10), PatchStatus::Truncated},
        {"empty run", reference::IpsBuilder().Run(4, 0, 1).Finish(), PatchStatus::IpsEmptyRun},
        {"bytes after the end", trailing, PatchStatus::TrailingBytes},
    };
    for (const Case& c : cases) {
        Bytes out = {0xDE, 0xAD};
        const PatchResult r = ApplyIps(source, c.patch, out);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(out, (Bytes{0xDE, 0xAD})) << c.name;
        IpsInfo info;
        EXPECT_EQ(ReadIpsInfo(c.patch, info).status, c.status) << c.name;
    }
    // Every cut before the end marker is refused.
    for (size_t n = 0; n < good.size(); ++n) {
        Bytes out;
        EXPECT_FALSE(ApplyIps(source, Bytes(good.begin(), good.begin() + long(n)), out).Ok()) << n;
    }
}
