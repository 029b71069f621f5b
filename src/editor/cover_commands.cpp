#include "editor/cover_commands.h"

#include "editor/cover_file.h"
#include "model/board_file_commands.h"
#include "model/file_names.h"
#include "model/template_file.h"
#include "platform/message_boxes.h"

namespace orvel {

namespace {

bool unnamed(const Template& t)
{
    return same_file_name(t.file_name, kUnnamedTemplate);
}

bool open_cover(const Template& t, const CoverCommandHooks& hooks, MessageBoxes& messages)
{
    const QString path = resolve_stored_name(t.cover_file, t.directory);
    if (hooks.open_in_paint && hooks.open_in_paint(path))
        return true;
    messages.show(cover_error_message(file_error::kFileNotFound, file_error::description(file_error::kFileNotFound)),
                  QStringLiteral("Orvel"), MessageIcon::Critical);
    return false;
}

}  // namespace

QString cover_error_message(int number, const QString& description)
{
    return QStringLiteral("4 Error ") + QString::number(number) + QLatin1Char(' ') + description;
}

bool CaratulaDesar_Click(Template& t, PictureCache& pictures, const CoverCommandHooks& hooks, MessageBoxes& messages)
{
    if (unnamed(t) && hooks.save)
        hooks.save();
    if (unnamed(t))
        return false;  // a board its person does not name gets no cover

    const NewCoverTarget target = new_cover_target(t);
    QString chosen;
    if (target.ask_for_name) {
        // Someone painted over the cover since it was drawn: their work is not overwritten.
        if (hooks.close_aux_keyboard)
            hooks.close_aux_keyboard();
        const QString proposed =
            t.cover_file.isEmpty() ? cover_for_board_without_cover(t.file_name) : t.cover_file;
        const std::optional<QString> name =
            hooks.choose_cover_name ? hooks.choose_cover_name(t.directory, proposed) : std::nullopt;
        if (!name || name->isEmpty())
            return false;
        chosen = *name;
    }
    const QString board_time_before = t.file_time;
    t.cover_file = new_cover_name(t, target, chosen);

    const WriteResult drawn = generate_cover(t, pictures);
    if (!drawn) {
        messages.show(cover_error_message(drawn.error_number, drawn.error_text), QStringLiteral("Orvel"),
                      MessageIcon::Critical);
        return false;
    }
    // The board on disk records its cover, unless someone else changed that file meanwhile.
    if (file_time_text(t.file_name) == board_time_before) {
        const WriteResult written = write_template(t, t.file_name);
        if (written)
            t.file_time = file_time_text(t.file_name);
    }
    return open_cover(t, hooks, messages);
}

bool CaratulaEditar_Click(Template& t, PictureCache& pictures, const CoverCommandHooks& hooks, MessageBoxes& messages)
{
    if (!t.cover_file.isEmpty() && t.cover_outdated == 0 && existing_file(resolve_stored_name(t.cover_file, t.directory)))
        return open_cover(t, hooks, messages);
    return CaratulaDesar_Click(t, pictures, hooks, messages);
}

}  // namespace orvel
