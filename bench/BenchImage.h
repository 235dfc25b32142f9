#pragma once
// The synthetic image the benchmarks work on: written once to a temporary
// file, opened by the document as the program opens it, and kept for the
// whole run (the file itself is removed again).
#include <cstdio>
#include <string>

#include "SyntheticImage.h"
#include "rom/Document.h"

namespace quorvex::bench {

// The document opened on the synthetic image with these options; `name`
// keeps the temporary files of different programs apart.
inline CQuorvexDoc& SyntheticDocument(const std::string& name, const synth::SynthOptions& options = {})
{
    static CQuorvexDoc* doc = [&] {
        const std::string path = "/tmp/quorvex_bench_" + name + ".smc";
        synth::WriteSyntheticImage(path, options);
        auto* d = new CQuorvexDoc;
        d->OnOpenDocument(path);
        std::remove(path.c_str());
        return d;
    }();
    return *doc;
}

} // namespace quorvex::bench
