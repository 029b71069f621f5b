// Any text given to the key sender parses to strokes or to one failure code,
// without a crash, deep recursion or unbounded memory.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/keys/key_notation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const orvel::ParsedKeys parsed = orvel::parse_key_notation(text);
    // A failed run types nothing; a good one stays within the bound.
    if (parsed.error != orvel::key_send_ok && !parsed.strokes.empty())
        std::abort();
    if (parsed.error != orvel::key_send_ok && (parsed.error_position < 0 || parsed.error_position > text.size()))
        std::abort();
    if (parsed.strokes.size() > static_cast<size_t>(orvel::max_strokes_per_run))
        std::abort();
    return 0;
}
