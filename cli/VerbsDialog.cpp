// export / import of the text pages' script files, and optimize dialog.
#include <iostream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "rom/RomFlags.h"
#include "text/DialogEditor.h"
#include "text/TextPage.h"

namespace quorvex::cli {

namespace {

constexpr const char* kPages[] = {"dialog", "dte", "locnames", "btl-big", "btl-small"};

// The refusals of the editor that owns the page; empty when it may be edited.
std::string Refusal(const std::string& page, const RomData& rd)
{
    if (page == "dialog" || page == "dte" || page == "locnames")
        return DialogEditorRefusal(rd);
    if (page == "btl-small" || page == "btl-big")
        return MonsterQuoteRefusal(rd, page == "btl-big");
    return "";
}

std::unique_ptr<CQuorvexDoc> OpenPage(const std::string& page, const std::string& image, TextPageConfig& cfg,
                                      bool readOnlyOk)
{
    auto doc = OpenKnownImage(image, readOnlyOk);
    if (!doc)
        return nullptr;
    const std::string refusal = Refusal(page, doc->Rom());
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
    auto doc = OpenPage(page, args[0], cfg, false);
    if (!doc)
        return 1;
    CTextPageLogic logic(doc->Rom(), cfg);
    // The one question an import may ask (repairing the game's own small
    // battle messages) is answered by --yes.
    logic.SetAsk([yes](const std::string& question) {
        std::cerr << question << (yes ? " Yes\n" : " No\n");
        return yes;
    });
    const uint32_t flagsBefore = doc->Rom().romFlags;
    const PageMessage m = logic.ImportScript(args[1]);
    (m.kind == MsgKind::Information ? std::cout : std::cerr) << m.text << (m.text.ends_with('\n') ? "" : "\n");
    if (logic.ImportChanged() || doc->Rom().romFlags != flagsBefore) {
        if (!SaveImage(*doc))
            return 1;
    }
    return m.kind == MsgKind::Information ? 0 : 1;
}

int RunOptimize(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("optimize dialog IMAGE");
    TextPageConfig cfg;
    auto doc = OpenPage("dialog", args[0], cfg, false);
    if (!doc)
        return 1;
    CTextPageLogic logic(doc->Rom(), cfg);
    const int before = logic.Remaining();
    const int stored = logic.OptimizeAll();
    std::cout << "Optimized " << stored << " captions; remaining bytes: " << before << " -> " << logic.Remaining()
              << "\n";
    if (stored > 0 && !SaveImage(*doc))
        return 1;
    return 0;
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
                               [p](const std::vector<std::string>& a) { return RunImport(p, a); });
        }
        verbs.emplace_back("optimize dialog", "optimize dialog IMAGE",
                           "recompress the town dialogue with the current dual-tile table", RunOptimize);
    }
};
const Registrations kRegistrations;

} // namespace

} // namespace quorvex::cli
