#pragma once
// Text that comes from an image (its internal title, names, decoded
// strings) may hold any byte. Shown raw, control bytes would act on the
// user's terminal (an escape sequence can retitle or clear it) or vanish in
// a window. Everything the program shows of such text goes through
// PrintableText first.
#include <string>
#include <string_view>

namespace quorvex {

// The text with every control character written as an escape: C0 controls
// (bytes below 0x20) and DEL as "\x1B", C1 controls (U+0080 to U+009F) as
// "\u009B", and bytes that are not part of a well-formed UTF-8 sequence as
// "\xFF". Line breaks stay when keepLineBreaks is set (multi-line reports
// whose image-derived parts were escaped already). Everything else,
// backslashes included, is kept as it is.
std::string PrintableText(std::string_view utf8, bool keepLineBreaks = false);

} // namespace quorvex
