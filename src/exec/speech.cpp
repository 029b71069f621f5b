#include "exec/speech.h"

#include "exec/file_commands.h"
#include "exec/sound_playback.h"
#include "model/board_files.h"
#include "platform/speech_engine.h"
#include "platform/text_reader.h"

namespace orvel {

namespace {

constexpr int16_t kCatalan = 'c';
constexpr int16_t kSpanish = 'e';

// The engine's language code: the initial letter of the template's language.
int16_t language_code(int16_t tts_language)
{
    switch (tts_language) {
    case 0:
        return kCatalan;
    case 1:
        return kSpanish;
    default:
        return 0;
    }
}

// The engine, or null when speech is not available.
SpeechEngine* available_engine(ExecContext& ctx)
{
    return ctx.state.tts_available ? ctx.services.speech : nullptr;
}

int16_t reading_speaker(const ExecContext& ctx)
{
    return int16_t(ctx.state.tmpl.tts_voice + 1);
}

QString with_pauses(QString text)
{
    return text.replace(QLatin1Char('.'), QLatin1Char(';'));
}

}  // namespace

void tts_init(ExecContext& ctx)
{
    OrvelState& state = ctx.state;
    SpeechEngine* engine = ctx.services.speech;
    state.tts_available = false;
    if (!engine || !engine->present())
        return;
    state.tts_available = true;
    state.default_speed = 100;
    state.rotating_speaker = -1;
    state.speaker_count = engine->number_of_speakers();
    engine->set_language(kCatalan);
    state.rotating_speaker = int16_t(state.rotating_speaker + 1);
    if (state.rotating_speaker >= state.speaker_count)
        state.rotating_speaker = 0;
    engine->set_speaker(state.rotating_speaker);
    state.tmpl.tts_language = 0;
    state.tmpl.tts_voice = 0;
    state.tmpl.tts_speed = state.default_speed;
}

void apply_template_speech(ExecContext& ctx)
{
    SpeechEngine* engine = available_engine(ctx);
    if (!engine)
        return;
    engine->set_speaker(reading_speaker(ctx));
    engine->set_language(language_code(ctx.state.tmpl.tts_language));
    engine->set_speed(ctx.state.tmpl.tts_speed);
}

void apply_global_data_speech(ExecContext& ctx)
{
    SpeechEngine* engine = available_engine(ctx);
    if (!engine)
        return;
    engine->set_speaker(ctx.state.tmpl.tts_voice);
    engine->set_language(language_code(ctx.state.tmpl.tts_language));
    engine->set_speed(ctx.state.tmpl.tts_speed);
}

void read_text(ExecContext& ctx, const QString& text)
{
    SpeechEngine* engine = available_engine(ctx);
    if (!engine)
        return;
    engine->resume();
    engine->set_speaker(reading_speaker(ctx));
    engine->read(with_pauses(text));
}

void read_file(ExecContext& ctx, const QString& argument)
{
    // The switches before "/F:" (language, voice, speed) are not used: the reader
    // speaks in the template's language.
    const QLatin1String marker("/F:");
    const qsizetype at = argument.indexOf(marker, 0, Qt::CaseInsensitive);
    const QString file = at >= 0 ? argument.mid(at + marker.size()).trimmed() : argument.trimmed();
    const QString full_name = resolve_in_template_folder(ctx, file);
    if (!file_exists_or_warn(ctx, full_name))
        return;
    if (!available_engine(ctx) || !ctx.services.text_reader || !is_readable_board_file(full_name))
        return;
    ctx.services.text_reader->read_file(full_name, language_code(ctx.state.tmpl.tts_language));
}

void So_icona(ExecContext& ctx, const QString& text)
{
    const QString symbol = text.trimmed().toUpper();
    if (symbol.contains(QLatin1String(".WAV"))) {
        play_wave(ctx, symbol);
        return;
    }
    SpeechEngine* engine = available_engine(ctx);
    if (!engine)
        return;
    engine->resume();
    // The announcement uses another voice than readings; with fewer than three voices
    // there is no other voice to take (and one voice would divide by zero).
    const int32_t count = ctx.state.speaker_count;
    const bool change_voice = count > 1;
    if (change_voice)
        engine->set_speaker(int16_t(((ctx.state.tmpl.tts_voice + 1) % (count - 1)) + 1));
    engine->announce(with_pauses(symbol));
    if (change_voice)
        engine->set_speaker(reading_speaker(ctx));
}

bool reading_in_progress(ExecContext& ctx)
{
    SpeechEngine* engine = available_engine(ctx);
    return engine && engine->reading_in_progress();
}

}  // namespace orvel
