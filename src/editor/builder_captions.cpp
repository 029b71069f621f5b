#include "editor/builder_captions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvel {

bool append_control_captions(const QString& path, const QString& window_caption,
                             const std::vector<std::pair<int, QString>>& controls)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return false;
    QByteArray lines;
    for (const auto& [index, caption] : controls) {
        if (caption.isEmpty())
            continue;
        lines += (window_caption + QStringLiteral(", %1,\"").arg(index) + caption + QStringLiteral("\"\n")).toUtf8();
    }
    return file.write(lines) == lines.size();
}

}  // namespace orvel
