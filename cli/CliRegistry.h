#pragma once
// Verbs of quorvex-cli register themselves here from their own source files:
//
//   static const CliVerb kInfo{"info", "info IMAGE", "print the status report", RunInfo};
//
// A verb gets the arguments after its own name and returns the exit code.
// Errors print the program's own message texts to stderr and return non-zero.
#include <functional>
#include <string>
#include <vector>

namespace quorvex::cli {

using VerbFn = std::function<int(const std::vector<std::string>& args)>;

struct CliVerbInfo {
    std::string name;
    std::string usage;
    std::string summary;
    VerbFn run;
};

std::vector<CliVerbInfo>& VerbRegistry();

struct CliVerb {
    CliVerb(std::string name, std::string usage, std::string summary, VerbFn run)
    {
        VerbRegistry().push_back({std::move(name), std::move(usage), std::move(summary), std::move(run)});
    }
};

// Prints "usage: quorvex-cli USAGE" to stderr and returns 2.
int UsageError(const std::string& usage);

} // namespace quorvex::cli
