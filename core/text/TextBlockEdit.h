#pragma once
// A run of string replacements on a text block: a script import, "Optimize
// all", "Delete all", or a single applied caption. Each replacement is
// checked as if the block were packed after it (against the block's size
// and the page's layout rule) and refused when it would not fit, exactly as
// replacing strings one at a time would; but the block is packed once, when
// the run is committed. A check costs time logarithmic in the number of
// strings, so a whole script goes in time linear in its size, where packing
// after every caption took captions x bytes.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "text/PackedTextLayout.h"

namespace quorvex {

class CFF6DynTextObj;

class TextBlockEdit {
public:
    // An extra rule the packed block must keep (empty: none).
    using LayoutRule = std::function<bool(const PackedTextLayout&)>;

    TextBlockEdit(CFF6DynTextObj& block, LayoutRule rule = {});

    int Count() const { return static_cast<int>(m_strings.size()); }
    // String i as it stands in the run, without its terminator.
    const std::vector<uint8_t>& String(int i) const { return m_strings[static_cast<size_t>(i)]; }
    // Takes `bytes` as string i when the packed block still fits its size
    // and keeps the rule; false, and nothing taken, otherwise (or when i is
    // not a string).
    bool Replace(int i, std::vector<uint8_t> bytes);
    // True once a replacement was taken.
    bool Changed() const { return m_changed; }
    // Writes the strings into the block, packed; nothing when no
    // replacement was taken, so a run that took nothing leaves the block
    // exactly as it was.
    void Commit();

private:
    CFF6DynTextObj& m_block;
    LayoutRule m_rule;
    std::vector<std::vector<uint8_t>> m_strings;
    PackedTextLayout m_layout;
    bool m_changed = false;
};

} // namespace quorvex
