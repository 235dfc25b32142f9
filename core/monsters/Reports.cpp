#include "monsters/Reports.h"

#include <cstdio>

#include "monsters/FormationTables.h"
#include "rom/NameLists.h"
#include "rom/RomData.h"
#include "text/TextCodec.h"
#include "text/TextPage.h"

namespace quorvex {

namespace {

constexpr size_t kMonsterRecordBytes = 32;
constexpr size_t kMonsterItemBytes = 4;

// A byte of a table of fixed-size records; 0 past what the image holds.
uint8_t TableByte(const std::vector<uint8_t>& bytes, int record, size_t size, size_t offset)
{
    const size_t at = static_cast<size_t>(record) * size + offset;
    return at < bytes.size() ? bytes[at] : 0;
}

// The monster record's statistics, little-endian words.
int MonsterByte(const RomData& rd, int m, size_t offset)
{
    return TableByte(rd.monsters.monsters.bytes, m, kMonsterRecordBytes, offset);
}
int MonsterWord(const RomData& rd, int m, size_t offset)
{
    return MonsterByte(rd, m, offset) | MonsterByte(rd, m, offset + 1) << 8;
}

std::string Name(const RomData& rd, NameListId list, int index)
{
    return WideToUtf8(GetNameList(rd, list).Decode(static_cast<uint32_t>(index), rd.romType));
}

// The eight elements of an element byte, a letter for each bit set.
std::string Elements(int bits)
{
    static const char kLetters[] = "FILPWpEw";
    std::string s(8, '-');
    for (int b = 0; b < 8; ++b)
        if (bits & (1 << b))
            s[static_cast<size_t>(b)] = kLetters[b];
    return s;
}

const char* const kReportBanner = "Quorvex Monsters Editor, Coded by Orvan\n";

} // namespace

const char* ReportFileName(ReportKind kind)
{
    switch (kind) {
    case ReportKind::Monsters:
        return "ME_Monst.txt";
    case ReportKind::Formations:
        return "ME_Form.txt";
    case ReportKind::Colosseum:
        break;
    }
    return "ME_Colos.txt";
}

bool ReportAvailable(const RomData& rd, ReportKind kind)
{
    if (!rd.IsKnown())
        return false;
    return kind == ReportKind::Formations || rd.romType == kRomFF3us;
}

std::string ReportRefusal(const RomData& rd, ReportKind kind)
{
    if (ReportAvailable(rd, kind))
        return {};
    if (!rd.IsKnown())
        return "No report for an image of unknown release!!";
    return kind == ReportKind::Monsters ? "The monster report is only made for the North American release!!"
                                        : "The colosseum report is only made for the North American release!!";
}

std::string MonsterReport(const RomData& rd)
{
    std::string text = kReportBanner;
    text += "- Monsters Specs Report V1.0 -\n\n";
    text += "F=fire, I=ice, L=lightning, P=poison, W=wind, p=pearl, E=earth, w=water\n\n";
    text += "Mst#        Name    HP    MP Lev   Exp  Gold   Absorb    No_FX     Weak  Steal_item 1      Steal_item 2 "
            "      Drop_item 1       Drop_item 2\n";
    for (int m = 0; m < kMonsterCount; ++m) {
        text += Format(" %03d  %10s %5d %5d %3d %5d %5d ", m, Name(rd, NameListId::Monster, m).c_str(),
                       MonsterWord(rd, m, 8), MonsterWord(rd, m, 10), MonsterByte(rd, m, 16), MonsterWord(rd, m, 12),
                       MonsterWord(rd, m, 14));
        // Absorbed, nullified and weak elements: bytes 23, 24 and 25.
        for (size_t b = 23; b <= 25; ++b)
            text += Elements(MonsterByte(rd, m, b)) + " ";
        // Stolen rare and common, dropped rare and common.
        for (size_t i = 0; i < kMonsterItemBytes; ++i) {
            const int item = TableByte(rd.monsters.monsterItems.bytes, m, kMonsterItemBytes, i);
            text += Format("%17s ", Name(rd, NameListId::Item, item).c_str());
        }
        text += "\n";
    }
    return text;
}

std::string FormationReport(const RomData& rd)
{
    std::string text = kReportBanner;
    text += "- Monsters Formations Report V1.2 -\n\n";
    text += "A (E) means the monster is enabled, a (D) means the monster is disabled\n\n";
    text += "Tmp#\tMould\tEnemy #1\tEnemy #2\tEnemy #3\tEnemy #4\tEnemy #5\tEnemy #6\n";
    const uint8_t kEmpty[kFormationBytes] = {};
    for (int f = 0; f < kFormationCount; ++f) {
        const uint8_t* rec = FormationBytes(rd, f);
        if (!rec)
            rec = kEmpty;
        text += Format("%03d\t%02d\t", f, rec[0] >> 4);
        for (int s = 0; s < 6; ++s) {
            const int monster = FormationSlotMonster(rec, s);
            const char* mark = rec[1] & (1 << s) ? "(E)" : "(D)";
            if (monster == kEmptySlotMonster)
                text += std::string(" ") + "   ";
            else if (monster < kFormationMonsterLimit)
                text += Name(rd, NameListId::Monster, monster) + mark;
            else
                text += Format("illegal#%02X", monster & 0xFF) + mark;
            if (s < 5)
                text += "\t";
        }
        text += "\n";
    }
    return text;
}

std::string ColosseumReport(const RomData& rd)
{
    std::string text = kReportBanner;
    text += "- Colosseum Betting System Report V1.1 -\n\n";
    text += "** Note: Bosses can't be fought in the colosseum (enemy index > 0xFF)\n\n";
    text += "Item bet          Enemy fought Item won          Prize is hidden\n";
    for (int i = 0; i < kColosseumCount; ++i) {
        static const uint8_t kEmpty[4] = {};
        const uint8_t* bet = ColosseumBytes(rd, i);
        if (!bet)
            bet = kEmpty;
        text += Format("%17s %12s %17s %s\n", Name(rd, NameListId::Item, i).c_str(),
                       Name(rd, NameListId::Monster, bet[0]).c_str(), Name(rd, NameListId::Item, bet[2]).c_str(),
                       bet[3] ? "TRUE" : "FALSE");
    }
    return text;
}

std::string ReportText(const RomData& rd, ReportKind kind)
{
    switch (kind) {
    case ReportKind::Monsters:
        return MonsterReport(rd);
    case ReportKind::Formations:
        return FormationReport(rd);
    case ReportKind::Colosseum:
        break;
    }
    return ColosseumReport(rd);
}

std::string WriteReport(const RomData& rd, ReportKind kind, const std::string& path)
{
    const std::string text = ReportText(rd, kind);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return kCantCreateDumpFile;
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (std::fclose(f) != 0 || !written) {
        // A half-written report would pass for a whole one.
        std::remove(path.c_str());
        return kCantCreateDumpFile;
    }
    return {};
}

std::string ReportCreatedText(const std::string& fileName) { return "`" + fileName + "' created"; }

} // namespace quorvex
