#pragma once
// Sounds of a set as the WAV files Orvel plays.
#include <QByteArray>
#include <QString>
#include <optional>

namespace orvel::obf {

// True for RIFF/WAVE bytes.
bool is_wav(const QByteArray& bytes);

// The sound as WAV bytes: WAV as it is; other formats (MP3, OGG ...) decoded to 16-bit
// PCM where SDL_mixer reads them. nullopt with *why set when it cannot be converted.
std::optional<QByteArray> wav_from(const QByteArray& bytes, QString* why);

}  // namespace orvel::obf
