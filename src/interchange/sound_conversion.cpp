#include "interchange/sound_conversion.h"

#include <QCoreApplication>
#include <QtEndian>
#include <SDL.h>
#include <SDL_mixer.h>

namespace orvel::obf {

namespace {

void put16(QByteArray& out, quint16 v)
{
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void put32(QByteArray& out, quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

QByteArray wav_file(const Uint8* samples, Uint32 length, int rate, int channels)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(length) + 44);
    out.append("RIFF");
    put32(out, 36 + length);
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, static_cast<quint16>(channels));
    put32(out, static_cast<quint32>(rate));
    put32(out, static_cast<quint32>(rate * channels * 2));
    put16(out, static_cast<quint16>(channels * 2));
    put16(out, 16);
    out.append("data");
    put32(out, length);
    out.append(reinterpret_cast<const char*>(samples), static_cast<qsizetype>(length));
    return out;
}

}  // namespace

bool is_wav(const QByteArray& bytes)
{
    return bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE";
}

std::optional<QByteArray> wav_from(const QByteArray& bytes, QString* why)
{
    if (is_wav(bytes))
        return bytes;
    // SDL_mixer decodes into the format its device was opened with: the running board's
    // device when there is one, else a silent one opened for the conversion.
    int rate = 0, channels = 0;
    Uint16 format = 0;
    bool opened_here = false;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0) {
        if (!SDL_WasInit(SDL_INIT_AUDIO) && !SDL_getenv("SDL_AUDIODRIVER"))
            SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
            Mix_OpenAudioDevice(22050, AUDIO_S16SYS, 1, 1024, nullptr, 0) != 0) {
            *why = QCoreApplication::translate("Orvel", "el so no es pot convertir (%1)")
                       .arg(QString::fromUtf8(SDL_GetError()));
            return std::nullopt;
        }
        opened_here = true;
        Mix_QuerySpec(&rate, &format, &channels);
    }
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG | MIX_INIT_FLAC | MIX_INIT_OPUS);
    std::optional<QByteArray> result;
    if (format != AUDIO_S16SYS) {
        *why = QCoreApplication::translate("Orvel", "el so no es pot convertir (format de sortida inesperat)");
    } else if (Mix_Chunk* chunk =
                   Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size())), 1)) {
        // Boards read sound files of at most 16 MB.
        if (chunk->alen > 16u * 1024 * 1024 - 44)
            *why = QCoreApplication::translate("Orvel", "el so és massa llarg");
        else
            result = wav_file(chunk->abuf, chunk->alen, rate, channels);
        Mix_FreeChunk(chunk);
    } else {
        *why = QCoreApplication::translate("Orvel", "el so no es pot convertir (%1)")
                   .arg(QString::fromUtf8(Mix_GetError()));
    }
    if (opened_here) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    return result;
}

}  // namespace orvel::obf
