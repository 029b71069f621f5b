#include "exec/caret_insertion.h"

#include <algorithm>

namespace orvel {

CaretEdit insert_at_caret(const QString& text, int caret, const QString& inserted)
{
    const int p = std::clamp(caret, 0, static_cast<int>(text.size()));
    return {text.left(p) + inserted + text.mid(p), p + static_cast<int>(inserted.size())};
}

}  // namespace orvel
