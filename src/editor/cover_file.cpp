#include "editor/cover_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>

#include "editor/cover_layout.h"
#include "model/board_file_commands.h"
#include "model/file_names.h"

namespace orvel {

QString bitmap_cover_name(const QString& cover_file)
{
    if (cover_file.right(4).toUpper() == QStringLiteral(".BMP"))
        return cover_file;
    return cover_file.left(qMax<qsizetype>(0, cover_file.size() - 4)) + QStringLiteral(".BMP");
}

WriteResult generate_cover(Template& t, PictureCache& pictures)
{
    WriteResult result;
    if (t.cover_file.isEmpty()) {
        result.error_number = file_error::kFileNotFound;
        result.error_text = file_error::description(result.error_number);
        return result;
    }
    const QImage cover = render_cover(t, pictures);
    if (cover.isNull()) {
        result.error_number = file_error::kPathFileAccess;
        result.error_text = QCoreApplication::translate("Orvel", "el plafó no té l'àrea 1 per dibuixar");
        return result;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // A 32-bit picture is written as a 24-bit bitmap, which every reader of boards opens.
    if (!QImageWriter(&buffer, "bmp").write(cover)) {
        result.error_number = file_error::kDeviceIo;
        result.error_text = file_error::description(result.error_number);
        return result;
    }
    // A cover renamed to a bitmap never replaces a picture of that name that the board
    // does not own: it takes a free name beside it.
    QString name = t.cover_file;
    QString path = resolve_stored_name(name, t.directory);
    const QString bitmap = bitmap_cover_name(name);
    if (bitmap != name) {
        path = unused_file_name(resolve_stored_name(bitmap, t.directory));
        name = bitmap.left(bitmap.size() - file_name_part(bitmap).size()) + file_name_part(path);
    }
    result = write_file_atomically(path, bytes);
    if (result) {
        t.cover_file = name;
        t.cover_time = file_time_text(path);
        t.cover_outdated = 0;
    }
    return result;
}

NewCoverTarget new_cover_target(const Template& t)
{
    NewCoverTarget target;
    if (!t.cover_file.isEmpty())
        target.path = resolve_stored_name(t.cover_file, t.directory);
    else
        target.path = t.file_name.left(t.file_name.size() - file_name_part(t.file_name).size()) +
                      cover_for_board_without_cover(t.file_name);
    target.ask_for_name = existing_path(target.path) && file_time_text(target.path) != t.cover_time;
    return target;
}

QString new_cover_name(const Template& t, const NewCoverTarget& target, const QString& chosen)
{
    if (target.ask_for_name)
        return file_name_part(chosen);
    if (t.cover_file.isEmpty())
        return relative_to_folder(target.path, t.directory);
    return t.cover_file;
}

}  // namespace orvel
