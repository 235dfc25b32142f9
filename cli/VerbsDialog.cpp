// export / import of the text pages' script files, and optimize dialog.
#include <iostream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "text/TextPage.h"

namespace quorvex::cli {

namespace {

constexpr const char* kPages[] = {"dialog", "dte", "locnames", "btl-big", "btl-small"};

std::unique_ptr<CQuorvexDoc> OpenPage(const std::string& page, const std::string& image, TextPageConfig& cfg,
                                      bool readOnlyOk)
{
    auto doc = OpenKnownImage(image, readOnlyOk);
    if (!doc)
        return nullptr;
    const std::string refusal = PageRefusalByName(page, doc->Rom());
    if (!refusal.empty()) {
        std::cerr << refusal << "\n";
        return nullptr;
    }
    PageConfigByName(page, doc->Rom(), cfg);
    return doc;
}

int RunExport(const std::string& page, std::vector<std::string> args)
{
    const std::string usage = "export " + page + " IMAGE [-o FILE]";
    std::string out;
    bool missing = false;
    const bool hasOut = TakeOption(args, "-o", out, &missing);
    if (args.size() != 1 || missing)
        return UsageError(usage);
    TextPageConfig cfg;
    auto doc = OpenPage(page, args[0], cfg, true);
    if (!doc)
        return 1;
    if (!hasOut)
        out = WideToUtf8(cfg.fileName);
    CTextPageLogic logic(doc->Rom(), cfg);
    const PageMessage m = logic.ExportScript(out);
    if (m.kind == MsgKind::Error) {
        std::cerr << m.text << "\n";
        return 1;
    }
    std::cout << m.text << "\n";
    return 0;
}

int RunImport(const std::string& page, std::vector<std::string> args)
{
    const std::string usage = "import " + page + " IMAGE FILE [--yes]";
    const bool yes = TakeFlag(args, "--yes");
    if (args.size() != 2)
        return UsageError(usage);
    TextPageConfig cfg;
    PageMessage m;
    // The import changes the document caption by caption, as the window
    // does; the file is written only when every caption went in.
    return EditAndSave(
        OpenPage(page, args[0], cfg, false),
        [&](CQuorvexDoc& doc) {
            CTextPageLogic logic(doc.Rom(), cfg);
            // The one question an import may ask (repairing the game's own
            // small battle messages) is answered by --yes.
            logic.SetAsk([yes](const std::string& question) {
                std::cerr << question << (yes ? " Yes\n" : " No\n");
                return yes;
            });
            const uint32_t flagsBefore = doc.Rom().romFlags;
            m = logic.ImportScript(args[1]);
            if (m.kind != MsgKind::Information) {
                PrintLines(std::cerr, m.text);
                return EditStatus::Failed;
            }
            return logic.ImportChanged() || doc.Rom().romFlags != flagsBefore ? EditStatus::Changed
                                                                              : EditStatus::Unchanged;
        },
        [&] { PrintLines(std::cout, m.text); });
}

int RunOptimize(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("optimize dialog IMAGE");
    TextPageConfig cfg;
    int before = 0, stored = 0, after = 0;
    return EditAndSave(
        OpenPage("dialog", args[0], cfg, false),
        [&](CQuorvexDoc& doc) {
            CTextPageLogic logic(doc.Rom(), cfg);
            before = logic.Remaining();
            stored = logic.OptimizeAll();
            after = logic.Remaining();
            return stored > 0 ? EditStatus::Changed : EditStatus::Unchanged;
        },
        [&] {
            std::cout << "Optimized " << stored << " captions; remaining bytes: " << before << " -> " << after
                      << "\n";
        });
}

struct Registrations {
    std::vector<CliVerb> verbs;
    Registrations()
    {
        for (const char* page : kPages) {
            const std::string p = page;
            verbs.emplace_back("export " + p, "export " + p + " IMAGE [-o FILE]",
                               "write the " + p + " script file (default: the page's own file name)",
                               [p](const std::vector<std::string>& a) { return RunExport(p, a); });
            verbs.emplace_back("import " + p, "import " + p + " IMAGE FILE [--yes]",
                               "apply a " + p + " script file and save the image when something changed",
                               [p](const std::vector<std::string>& a) { return RunImport(p, a); }, kChangesImage);
        }
        verbs.emplace_back("optimize dialog", "optimize dialog IMAGE",
                           "recompress the town dialogue with the current dual-tile table", RunOptimize,
                           kChangesImage);
    }
};
const Registrations kRegistrations;

} // namespace

} // namespace quorvex::cli
