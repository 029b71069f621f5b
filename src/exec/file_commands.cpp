#include "exec/file_commands.h"

#include <QFileInfo>
#include <QImage>

#include "model/board_files.h"
#include "model/file_names.h"
#include "model/messages.h"
#include "model/template_file.h"
#include "exec/sound_playback.h"
#include "platform/clipboard.h"
#include "platform/message_boxes.h"

namespace orvel {

namespace {

void paste_text_file(Clipboard& clipboard, const QString& path)
{
    if (const std::optional<QByteArray> bytes = read_board_file(path))
        clipboard.set_text(decode_board_text(*bytes));
}

void paste_picture_file(Clipboard& clipboard, const QString& path)
{
    const std::optional<QByteArray> bytes = read_board_file(path);
    const QImage picture = bytes ? QImage::fromData(*bytes) : QImage();
    if (!picture.isNull())
        clipboard.set_image(picture);
}

}  // namespace

QString resolve_in_template_folder(const ExecContext& ctx, const QString& name)
{
    // Only "/" and a drive letter make a name absolute here: "\SONS\A.WAV" is
    // written below the board's folder, as boards made on Windows expect.
    qsizetype skip = 0;
    while (skip < name.size() && name.at(skip) == QLatin1Char('\\'))
        ++skip;
    return resolve_stored_name(name.mid(skip), ctx.state.tmpl.directory);
}

bool file_exists_or_warn(ExecContext& ctx, const QString& full_name)
{
    const QFileInfo info(full_name);
    if (info.exists() && !info.isDir())
        return true;
    ctx.hooks.set_board_topmost(true);
    if (ctx.services.messages)
        ctx.services.messages->show(missatge(15) + QLatin1Char('\r') + full_name);
    ctx.hooks.set_board_topmost(false);
    return false;
}

void load_command(ExecContext& ctx, const QString& argument)
{
    const QString name = argument.trimmed();
    ctx.hooks.hide_highlight();
    const QString path = resolve_in_template_folder(ctx, name);
    if (!file_exists_or_warn(ctx, path))
        return;
    // The board's folder becomes `directory` and the current folder only once it was read:
    // a file that is not a board leaves the board that runs exactly as it was.
    StderrMessageBoxes to_stderr;
    MessageBoxes& messages = ctx.services.messages ? *ctx.services.messages : to_stderr;
    if (!board_was_read(load_template(ctx.state.tmpl, path, messages)))
        return;
    // The new board starts scanning from the top; its start-up actions are not run
    // and the target window stays the previous board's.
    ctx.state.cursor = 0;
    ctx.state.scan_level = 1;
    ctx.state.run_current_area = -1;
    ctx.hooks.layout_board_window();
    ctx.hooks.place_target_window(ctx.state.target_window);
    ctx.hooks.repaint_board();
}

void sound_command(ExecContext& ctx, const QString& argument)
{
    const QString name = argument.trimmed();
    const QString path = resolve_in_template_folder(ctx, name);
    if (!file_exists_or_warn(ctx, path))
        return;
    // The ending is tested in capitals exactly as the board wrote it: the menus
    // insert names in capitals, and "a.wav" plays nothing.
    if (name.endsWith(QLatin1String(".WAV")))
        play_wave(ctx, path);
    else if (name.endsWith(QLatin1String(".MID")))
        play_midi(ctx, path);
}

void paste_command(ExecContext& ctx, const QString& argument)
{
    const QString name = argument.trimmed();
    if (ctx.services.clipboard)
        ctx.services.clipboard->clear();
    const QString path = resolve_in_template_folder(ctx, name);
    if (!file_exists_or_warn(ctx, path) || !ctx.services.clipboard)
        return;
    const QString kind = name.right(3).toUpper();
    if (kind == QLatin1String("TXT"))
        paste_text_file(*ctx.services.clipboard, path);
    else if (kind == QLatin1String("BMP") || kind == QLatin1String("GIF") || kind == QLatin1String("JPG"))
        paste_picture_file(*ctx.services.clipboard, path);
    // WMF cannot be read here, and any other kind leaves the clipboard empty. X11
    // has no paste message: the "^v" that follows the command in the key text pastes.
}

}  // namespace orvel
