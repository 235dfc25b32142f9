#pragma once
// An image of the editors' tests: the synthetic image written, its file's
// bytes kept for comparison, and the document opened on it.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "rom/Document.h"

namespace quorvex::test {

struct OpenedImage {
    test::TempDir dir;
    CQuorvexDoc doc;
    std::vector<uint8_t> file;
    uint32_t header = 0;

    explicit OpenedImage(const synth::SynthOptions& o)
    {
        const std::string path = test::WriteImage(dir, o);
        file = test::ReadFileBytes(path);
        header = o.headered ? 0x200 : 0;
        EXPECT_TRUE(doc.OnOpenDocument(path).ok);
    }
    // n bytes of the file at a ROM offset, as the synthetic image wrote them.
    std::vector<uint8_t> At(uint32_t rom, size_t n) const
    {
        return std::vector<uint8_t>(file.begin() + header + rom, file.begin() + header + rom + n);
    }
};

} // namespace quorvex::test
