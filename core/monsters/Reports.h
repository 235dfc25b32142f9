#pragma once
// The plain-text reports of whole tables: the monsters' statistics
// ("ME_Monst.txt"), the formations ("ME_Form.txt") and the colosseum bets
// ("ME_Colos.txt"). Each is written in one go, in the layout the editors
// have always used, so that reports of two images can be compared with any
// text tool.
#include <string>

namespace quorvex {

struct RomData;

enum class ReportKind { Monsters, Formations, Colosseum };

// "ME_Monst.txt", "ME_Form.txt", "ME_Colos.txt".
const char* ReportFileName(ReportKind kind);
// Whether this image offers the report. The monster and colosseum reports
// only know the North American release's names and layout; the editors hide
// their buttons elsewhere.
bool ReportAvailable(const RomData& rd, ReportKind kind);
// Why the report is not offered (empty when it is).
std::string ReportRefusal(const RomData& rd, ReportKind kind);

// The report's whole text.
std::string ReportText(const RomData& rd, ReportKind kind);
std::string MonsterReport(const RomData& rd);
std::string FormationReport(const RomData& rd);
std::string ColosseumReport(const RomData& rd);

constexpr const char* kCantCreateDumpFile = "Can't create dump file!!";

// Writes the report to `path`, replacing the file. Empty on success,
// otherwise the message to show ("Can't create dump file!!"); a file that
// could not be written completely is removed.
std::string WriteReport(const RomData& rd, ReportKind kind, const std::string& path);
// "`ME_Form.txt' created".
std::string ReportCreatedText(const std::string& fileName);

} // namespace quorvex
