#include "editor/file_viewers.h"

namespace orvel {

bool viewer_accepts(ViewerKind kind, const QString& file_name)
{
    const QString ending = file_name.right(4).toUpper();
    if (ending == QLatin1String(".PCX") || ending == QLatin1String(".BMP"))
        return true;
    return kind == ViewerKind::ClipboardFile && (ending == QLatin1String(".WRI") || ending == QLatin1String(".TXT"));
}

}  // namespace orvel
