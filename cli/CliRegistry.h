#pragma once
// Verbs of quorvex-cli register themselves here from their own source files:
//
//   static const CliVerb kInfo{"info", "info IMAGE", "print the status report", RunInfo};
//
// A verb gets the arguments after its own name and returns the exit code.
// Errors print the program's own message texts to stderr and return non-zero.
//
// A verb that changes an image registers with kChangesImage. It returns 1
// only when the image file was left byte-identical (see EditAndSave in
// CliCommon.h), and the program then ends its messages with kNothingSaved.
// A verb that also has a form which only reads ("relocate IMAGE status")
// registers with a function that tells the changing calls from the others
// by their arguments: a read that fails prints its own error only.
//
// Output that could not be written (stdout redirected to a full disk) turns
// a verb's success into a failure: 1, or 3 for a verb that did save the
// image (1 stays reserved for "nothing was saved").
#include <functional>
#include <string>
#include <vector>

namespace quorvex::cli {

using VerbFn = std::function<int(const std::vector<std::string>& args)>;
// Whether a call with these arguments (those after the verb's name) changes
// the image.
using ChangesImageFn = bool (*)(const std::vector<std::string>& args);

struct CliVerbInfo {
    std::string name;
    std::string usage;
    std::string summary;
    VerbFn run;
    ChangesImageFn changesImage = nullptr; // null: no call changes an image

    bool ChangesImage(const std::vector<std::string>& args) const { return changesImage && changesImage(args); }
};

constexpr bool kChangesImage = true;

std::vector<CliVerbInfo>& VerbRegistry();

struct CliVerb {
    CliVerb(std::string name, std::string usage, std::string summary, VerbFn run, bool changesImage = false)
        : CliVerb(std::move(name), std::move(usage), std::move(summary), std::move(run),
                  changesImage ? [](const std::vector<std::string>&) { return true; } : ChangesImageFn(nullptr))
    {
    }
    CliVerb(std::string name, std::string usage, std::string summary, VerbFn run, ChangesImageFn changesImage)
    {
        VerbRegistry().push_back(
            {std::move(name), std::move(usage), std::move(summary), std::move(run), changesImage});
    }
};

// Prints "usage: quorvex-cli USAGE" to stderr and returns 2.
int UsageError(const std::string& usage);

// Every verb takes the image first after its verb words. A call in the
// order some verbs used to take (the image last) gets this line before the
// usage, and 2.
int ImageFirstError(const std::string& usage);
constexpr const char* kImageFirstText = "The image comes first after the verb words:";

} // namespace quorvex::cli
