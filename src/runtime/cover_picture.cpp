#include "runtime/cover_picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include "model/board_files.h"
#include "model/file_names.h"
#include "model/messages.h"
#include "platform/message_boxes.h"

namespace orvel {

QImage read_picture(const QString& path, QString* error, QSize largest)
{
    // Only a regular file within the limit for files named by boards is read.
    std::optional<QByteArray> bytes = read_board_file(path);
    if (!bytes) {
        if (error)
            *error = QCoreApplication::translate("Orvel", "no és un fitxer d'imatge que es pugui llegir");
        return QImage();
    }
    QBuffer buffer(&*bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (largest.isValid() && size.isValid() && (size.width() > largest.width() || size.height() > largest.height()))
        reader.setScaledSize(size.boundedTo(largest));
    QImage image = reader.read();
    if (image.isNull() && error)
        *error = reader.errorString();
    return image;
}

QImage load_cover_picture(const Template& t, MessageBoxes& messages, bool report_errors)
{
    if (t.cover_file.isEmpty())
        return {};
    const QString path = resolve_stored_name(t.cover_file, t.directory);
    if (!QFileInfo::exists(path))
        return {};
    QString error;
    QImage image = read_picture(path, &error);
    if (image.isNull() && report_errors)
        messages.show(missatge(3) + t.cover_file + QStringLiteral(" 481 ") + error, QStringLiteral("Orvel"),
                      MessageIcon::Critical);
    return image;
}

}  // namespace orvel
