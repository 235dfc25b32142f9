#include "text/TextBlockEdit.h"

#include "text/DynTextObj.h"

namespace quorvex {

namespace {

std::vector<std::vector<uint8_t>> CopyStrings(const CFF6DynTextObj& block)
{
    std::vector<std::vector<uint8_t>> strings(static_cast<size_t>(block.Count()));
    for (int i = 0; i < block.Count(); ++i)
        block.GetString(i, strings[static_cast<size_t>(i)]);
    return strings;
}

} // namespace

TextBlockEdit::TextBlockEdit(CFF6DynTextObj& block, LayoutRule rule)
    : m_block(block), m_rule(std::move(rule)), m_strings(CopyStrings(block)), m_layout(block)
{
}

bool TextBlockEdit::Replace(int i, std::vector<uint8_t> bytes)
{
    if (i < 0 || i >= Count())
        return false;
    const uint32_t old = m_layout.Size(i);
    const uint64_t size = static_cast<uint64_t>(bytes.size()) + 1;
    if (m_layout.Total() - old + size > static_cast<uint64_t>(m_block.Size()))
        return false;
    m_layout.SetSize(i, static_cast<uint32_t>(size));
    if (m_rule && !m_rule(m_layout)) {
        m_layout.SetSize(i, old);
        return false;
    }
    m_strings[static_cast<size_t>(i)] = std::move(bytes);
    m_changed = true;
    return true;
}

void TextBlockEdit::Commit()
{
    if (m_changed)
        m_block.ReplaceAll(m_strings);
    m_changed = false;
}

} // namespace quorvex
