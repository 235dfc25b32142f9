#pragma once
// What the "ROM patch & data location manager" shows: four sections (battle
// scripts, town dialogue, map graphics, special attack names), each with its
// caption, which buttons are enabled, the usage texts and, for the two
// relocations that take a bank, the banks offered. The window and the
// command line's "relocate IMAGE status" both print this.
#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

struct RomData;

struct RelocationSection {
    std::string caption;
    bool hasButtons = true;
    bool applyEnabled = false;
    bool removeEnabled = false;
    bool hasBank = false;
    bool bankEnabled = false;
    std::vector<int> banks; // bank bytes offered ("%02X")
    int selectedBank = -1;  // bank byte of the current choice; -1 when it is not offered
    // Usage texts as the window's labels hold them (each may end in "\n"),
    // with the labels above them where the section has any.
    std::string regularLabel;
    std::string expandedLabel;
    std::string regular;
    std::string expanded;
    std::string note;
};

struct RelocationView {
    RelocationSection scripts;
    RelocationSection dialogue;
    RelocationSection maps;
    RelocationSection names;
};

// The display for the current document and the two bank choices (headered
// offsets of the chosen banks).
RelocationView BuildRelocationView(const RomData& rd, uint32_t scriptBank, uint32_t nameBank);

// The manager's texts, section by section: each section's caption line,
// its usage lines and, with a bank choice, "Bank used: XX".
std::string RelocationStatusText(const RelocationView& view);

} // namespace quorvex
