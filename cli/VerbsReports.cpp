// report monsters|formations|colosseum: the editors' plain-text reports of
// a whole table, written without a window.
#include <iostream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "monsters/Reports.h"

namespace quorvex::cli {

namespace {

int RunReport(ReportKind kind, const std::string& usage, const std::vector<std::string>& argsIn)
{
    std::vector<std::string> args = argsIn;
    std::string out;
    bool missing = false;
    TakeOption(args, "-o", out, &missing);
    if (missing || args.size() != 1)
        return UsageError(usage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    if (const std::string refusal = ReportRefusal(doc->Rom(), kind); !refusal.empty()) {
        std::cerr << refusal << "\n";
        return 1;
    }
    const std::string path = out.empty() ? ReportFileName(kind) : out;
    if (const std::string error = WriteReport(doc->Rom(), kind, path); !error.empty()) {
        std::cerr << error << "\n";
        return 1;
    }
    std::cout << ReportCreatedText(path) << "\n";
    return 0;
}

// "report WORD IMAGE [-o FILE]" for one report.
CliVerb ReportVerb(ReportKind kind, const std::string& word, const std::string& summary)
{
    const std::string usage = "report " + word + " IMAGE [-o FILE]";
    return CliVerb("report " + word, usage, summary + " (" + ReportFileName(kind) + ")",
                   [kind, usage](const std::vector<std::string>& args) { return RunReport(kind, usage, args); });
}

const CliVerb kReports[] = {
    ReportVerb(ReportKind::Monsters, "monsters", "write the monster statistics report"),
    ReportVerb(ReportKind::Formations, "formations", "write the formation report"),
    ReportVerb(ReportKind::Colosseum, "colosseum", "write the colosseum bets report"),
};

} // namespace

} // namespace quorvex::cli
