#pragma once
// The copies a save or an expansion prepares beside an image
// ("IMAGE.quorvex-PID-XXXXXX", PID being the process that made it) never
// outlive their purpose:
//  - while a copy exists its name is kept in a fixed table; an interrupt,
//    termination or hang-up signal whose default action would end the
//    process removes every listed copy first, then ends the process as the
//    signal would have;
//  - a process killed outright (SIGKILL, power loss) cannot clean up, so the
//    next save of the same image removes the copies whose process no longer
//    exists, and only those.
#include <string>

namespace quorvex {

// The mkstemp() template for a copy of the file at `path` (links resolved).
std::string TempCopyTemplate(const std::string& path);

// Adds a copy to the table the signal handler cleans (installing the
// handler on first use). Returns the slot to release, or -1 when the table
// is full or the name too long (the copy then relies on the next save's
// clean-up alone).
int RegisterTempCopy(const std::string& tempPath);
void ReleaseTempCopy(int slot);

// Removes the copies of `path` (links resolved) left by processes that no
// longer exist. Copies of live processes, copies whose name carries no
// process id and anything that is not a regular file stay. Returns how many
// were removed.
int RemoveStaleCopies(const std::string& path);

} // namespace quorvex
