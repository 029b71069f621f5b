#include "exec/sound_playback.h"

#include "model/board_files.h"
#include "model/file_names.h"
#include "platform/sound_output.h"

namespace orvel {

namespace {

// Stored names (SONS\BEE.WAV) resolve against the board's folder, whatever their case.
QString on_disk(const ExecContext& ctx, const QString& file)
{
    return resolve_stored_name(file, ctx.state.tmpl.directory);
}

void close_music(ExecContext& ctx)
{
    if (ctx.state.open_midi.isEmpty())
        return;
    if (ctx.services.sound)
        ctx.services.sound->stop_music();
    ctx.state.open_midi.clear();
}

}  // namespace

bool play_wave(ExecContext& ctx, const QString& file)
{
    close_music(ctx);
    const QString path = on_disk(ctx, file);
    if (!ctx.services.sound || !is_readable_board_file(path))
        return false;
    return ctx.services.sound->play_wave(path);
}

void play_midi(ExecContext& ctx, const QString& file)
{
    close_music(ctx);
    const QString path = on_disk(ctx, file);
    if (!ctx.services.sound || !is_readable_board_file(path))
        return;
    if (ctx.services.sound->play_midi(path))
        ctx.state.open_midi = path;
}

}  // namespace orvel
