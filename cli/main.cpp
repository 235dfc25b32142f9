#include "CliCommon.h"
#include "CliRegistry.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace quorvex::cli {

std::vector<CliVerbInfo>& VerbRegistry()
{
    static std::vector<CliVerbInfo> verbs;
    return verbs;
}

int UsageError(const std::string& usage)
{
    std::cerr << "usage: quorvex-cli " << usage << "\n";
    return 2;
}

int ImageFirstError(const std::string& usage)
{
    std::cerr << kImageFirstText << " quorvex-cli " << usage << "\n";
    return UsageError(usage);
}

} // namespace quorvex::cli

namespace {

void PrintHelp(std::ostream& out)
{
    auto verbs = quorvex::cli::VerbRegistry();
    std::sort(verbs.begin(), verbs.end(), [](const auto& a, const auto& b) { return a.usage < b.usage; });
    out << "Quorvex command-line tool\n\nusage: quorvex-cli VERB [ARGS...]\n\n";
    for (const auto& v : verbs)
        out << "  " << v.usage << "\n      " << v.summary << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintHelp(std::cerr);
        return 2;
    }
    const std::string verb = argv[1];
    if (verb == "help" || verb == "--help" || verb == "-h") {
        PrintHelp(std::cout);
        return 0;
    }
    // A verb is one word ("info") or two ("render monster", "export dialog"),
    // so owners of one family of verbs can live in separate files. The
    // two-word form wins; the verb's function gets what follows its name.
    auto run = [](const quorvex::cli::CliVerbInfo& v, std::vector<std::string> args) {
        // "--help" anywhere after a verb shows that verb's usage.
        for (const auto& a : args)
            if (a == "--help" || a == "-h") {
                std::cout << "usage: quorvex-cli " << v.usage << "\n" << v.summary << "\n";
                return 0;
            }
        const bool changesImage = v.ChangesImage(args);
        int code = v.run(args);
        if (code == 1 && changesImage)
            std::cerr << quorvex::cli::kNothingSaved << "\n";
        // What the verb printed may not have reached its destination (a full
        // disk behind a redirection): that is a failure too, never a success.
        // A verb that changed the image keeps 1 for "nothing was saved".
        errno = 0;
        std::cout.flush();
        const bool flushed = std::fflush(stdout) == 0;
        const int err = errno;
        if (code == 0 && (!std::cout || !flushed || std::ferror(stdout))) {
            std::cerr << "The output could not be written: " << (err != 0 ? std::strerror(err) : "write error") << "."
                      << (changesImage ? " The image was saved." : "") << "\n";
            code = changesImage ? 3 : 1;
        }
        return code;
    };
    if (argc >= 3) {
        const std::string two = verb + " " + argv[2];
        for (const auto& v : quorvex::cli::VerbRegistry())
            if (v.name == two)
                return run(v, std::vector<std::string>(argv + 3, argv + argc));
    }
    for (const auto& v : quorvex::cli::VerbRegistry())
        if (v.name == verb)
            return run(v, std::vector<std::string>(argv + 2, argv + argc));
    std::cerr << "quorvex-cli: unknown verb '" << verb << "' (try 'quorvex-cli help')\n";
    return 2;
}
