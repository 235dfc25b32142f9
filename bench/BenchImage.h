#pragma once
// The synthetic images the benchmarks work on: each written once to a
// temporary file, opened by the document as the program opens it, and kept
// for the whole run (the file itself is removed again).
#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>

#include "SyntheticImage.h"
#include "rom/Document.h"

namespace quorvex::bench {

// The document opened on the synthetic image with these options; `name`
// tells the images of one program apart and keeps the temporary files of
// different programs apart. The options count on the first call per name.
inline CQuorvexDoc& SyntheticDocument(const std::string& name, const synth::SynthOptions& options = {})
{
    static std::map<std::string, CQuorvexDoc*> docs;
    CQuorvexDoc*& doc = docs[name];
    if (!doc) {
        const std::string path = "/tmp/quorvex_bench_" + name + "_" + std::to_string(getpid()) + ".smc";
        synth::WriteSyntheticImage(path, options);
        doc = new CQuorvexDoc;
        doc->OnOpenDocument(path);
        std::remove(path.c_str());
    }
    return *doc;
}

} // namespace quorvex::bench
