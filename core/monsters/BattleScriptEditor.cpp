#include "monsters/BattleScriptEditor.h"

#include "monsters/BattleScriptSet.h"
#include "text/TextPage.h"

namespace quorvex {

namespace {

bool IsCommandOf(const BattleScriptSet& set, int i, int k) { return k >= 0 && k < set.CommandCount(i); }

bool IsBreak(const BattleScriptSet& set, int i, int k) { return set.Script(i).Opcode(k) == kScriptBreak; }

// The command's own bytes, or empty when c is shorter than its opcode needs.
std::vector<uint8_t> WholeCommand(const std::vector<uint8_t>& c)
{
    if (c.empty() || c.size() < static_cast<size_t>(ScriptCommandLength(c[0])))
        return {};
    return std::vector<uint8_t>(c.begin(), c.begin() + ScriptCommandLength(c[0]));
}

} // namespace

ScriptPageAdmission ScriptPageAdmissionFor(const BattleScriptSet& set)
{
    switch (set.Status()) {
    case kScriptsUnsplittable:
    case kScriptsOverCapacity: return ScriptPageAdmission::Refuse;
    case kScriptsMagRoader: return ScriptPageAdmission::AskRepair;
    default: return ScriptPageAdmission::Open;
    }
}

bool RepairMagRoader(BattleScriptSet& set)
{
    if (set.Status() != kScriptsMagRoader)
        return false;
    set.ReplaceScript(kMagRoaderScript, kMagRoaderRepair);
    set.SetStatus(kScriptsGood);
    return true;
}

std::string BattleScriptEditor::Insert(int i, int k, const std::vector<uint8_t>& c)
{
    const std::vector<uint8_t> cmd = WholeCommand(c);
    if (cmd.empty())
        return {};
    if (cmd[0] == kScriptBreak)
        return scripttext::kCannotInsertBreak;
    if (m_set.InsertCommand(i, k, cmd.data()) < 0)
        return scripttext::kInsertAfterEnd;
    if (m_set.Avail() < 0) {
        m_set.DeleteCommand(i, k);
        return scripttext::kNotEnoughBytes;
    }
    return {};
}

std::string BattleScriptEditor::Replace(int i, int k, const std::vector<uint8_t>& c)
{
    const std::vector<uint8_t> cmd = WholeCommand(c);
    if (!IsCommandOf(m_set, i, k) || cmd.empty())
        return {};
    if (IsBreak(m_set, i, k))
        return scripttext::kCannotEdit;
    const std::vector<uint8_t> old = m_set.CommandBytes(i, k);
    if (cmd[0] == kScriptBreak)
        return scripttext::kCannotInsertBreak;
    m_set.DeleteCommand(i, k);
    if (m_set.InsertCommand(i, k, cmd.data()) < 0) {
        m_set.InsertCommand(i, k, old.data());
        return scripttext::kInsertAfterEnd;
    }
    if (m_set.Avail() < 0) {
        m_set.DeleteCommand(i, k);
        m_set.InsertCommand(i, k, old.data());
        return scripttext::kNotEnoughBytes;
    }
    return {};
}

std::string BattleScriptEditor::Delete(int i, int k)
{
    if (!IsCommandOf(m_set, i, k))
        return {};
    if (IsBreak(m_set, i, k))
        return scripttext::kCannotDelete;
    m_set.DeleteCommand(i, k);
    return {};
}

int BattleScriptEditor::MoveUp(int i, int k)
{
    // The final 0xFF stays last.
    if (!IsCommandOf(m_set, i, k) || k == 0 || k == m_set.CommandCount(i) - 1)
        return k;
    const std::vector<uint8_t> c = m_set.CommandBytes(i, k);
    m_set.DeleteCommand(i, k);
    m_set.InsertCommand(i, k - 1, c.data());
    return k - 1;
}

int BattleScriptEditor::MoveDown(int i, int k)
{
    if (!IsCommandOf(m_set, i, k) || k >= m_set.CommandCount(i) - 2)
        return k;
    const std::vector<uint8_t> c = m_set.CommandBytes(i, k);
    m_set.DeleteCommand(i, k);
    m_set.InsertCommand(i, k + 1, c.data());
    return k + 1;
}

void BattleScriptEditor::Copy(int i, int k)
{
    if (IsCommandOf(m_set, i, k))
        m_command = m_set.CommandBytes(i, k);
}

std::string BattleScriptEditor::Cut(int i, int k)
{
    Copy(i, k);
    return Delete(i, k);
}

std::string BattleScriptEditor::Paste(int i, int k)
{
    if (m_command.empty())
        return {};
    // The budget is checked before anything changes.
    if (m_set.Avail() - static_cast<int64_t>(m_command.size()) < 0)
        return scripttext::kNotEnoughBytes;
    return Insert(i, k, m_command);
}

void BattleScriptEditor::CopyScript(int i)
{
    m_script = m_set.Script(i);
    m_hasScript = true;
}

std::string BattleScriptEditor::PasteScript(int i)
{
    if (!m_hasScript)
        return {};
    if (m_set.Avail() - m_script.Length() + m_set.ScriptLength(i) < 0)
        return scripttext::kNotEnoughBytes;
    m_set.ReplaceScript(i, m_script);
    return {};
}

void BattleScriptEditor::EraseScript(int i) { m_set.EraseScript(i); }

void BattleScriptEditor::EraseAll()
{
    for (int i = 0; i < m_set.Count(); ++i)
        m_set.EraseScript(i);
}

std::string BattleScriptEditor::StatusText(int i) const
{
    return Format(scripttext::kStatusFormat, m_set.ScriptLength(i), static_cast<int>(m_set.Avail()));
}

} // namespace quorvex
