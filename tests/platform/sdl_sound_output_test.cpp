// WAV and MIDI playback through the one audio device, under SDL's dummy driver
// (which keeps real time): a WAV blocks until its end, a second MIDI file replaces
// the first, and files that are not sound are refused without harm.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <cmath>

#include "platform/audio/sdl_sound_output.h"
#include "shared_audio.h"
#include "support/test_files.h"

namespace orvel {
namespace {

using testing::shared_audio;

// Appends `value` as `size` bytes, least significant first unless `big_endian`.
void append(QByteArray& bytes, uint32_t value, int size, bool big_endian = false)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * (big_endian ? size - 1 - i : i))) & 0xff));
}

// A 16-bit stereo WAV of a 440 Hz tone (another format than the device's, so it
// goes through conversion).
QByteArray tone_wav(double seconds, int rate = 44100)
{
    const int channels = 2;
    const uint32_t frames = uint32_t(seconds * rate);
    const uint32_t data_size = frames * channels * 2;
    QByteArray wav("RIFF");
    append(wav, 36 + data_size, 4);
    wav += "WAVEfmt ";
    // {value, size}: format chunk length, PCM, channels, rate, byte rate, frame size, bits.
    for (auto [value, size] : {std::pair{16u, 4}, {1u, 2}, {uint32_t(channels), 2}, {uint32_t(rate), 4},
                               {uint32_t(rate * channels * 2), 4}, {uint32_t(channels * 2), 2}, {16u, 2}})
        append(wav, value, size);
    wav += "data";
    append(wav, data_size, 4);
    for (uint32_t i = 0; i < frames; ++i) {
        const auto sample = int16_t(8000 * std::sin(2 * M_PI * 440 * i / rate));
        append(wav, uint16_t(sample) * 0x10001u, 4);  // the same sample on both channels
    }
    return wav;
}

void append_variable_length(QByteArray& bytes, uint32_t value)
{
    QByteArray reversed;
    reversed.append(char(value & 0x7f));
    while (value >>= 7)
        reversed.append(char((value & 0x7f) | 0x80));
    for (auto it = reversed.rbegin(); it != reversed.rend(); ++it)
        bytes.append(*it);
}

// A format-0 MIDI file of piano notes, each held for half a second (120 beats a
// minute, 96 ticks a beat).
QByteArray notes_midi(int notes)
{
    QByteArray track;
    for (int i = 0; i < notes; ++i) {
        const char key = char(60 + i % 12);
        append_variable_length(track, 0);
        track += QByteArray("\x90", 1) + key + char(100);
        append_variable_length(track, 96);
        track += QByteArray("\x80", 1) + key + char(0);
    }
    append_variable_length(track, 0);
    track += QByteArray("\xff\x2f\x00", 3);

    QByteArray midi("MThd");
    append(midi, 6, 4, true);
    append(midi, 0, 2, true);
    append(midi, 1, 2, true);
    append(midi, 96, 2, true);
    midi += "MTrk";
    append(midi, uint32_t(track.size()), 4, true);
    return midi + track;
}

class SdlSoundOutputTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(shared_audio().device.is_open()) << shared_audio().device.error().toStdString(); }

    QString write_file(const char* name, const QByteArray& bytes)
    {
        testing::write_file(folder.filePath(name), bytes);
        return folder.filePath(name);
    }

    QTemporaryDir folder;
    SdlSoundOutput output{shared_audio().device};
};

TEST_F(SdlSoundOutputTest, WaveReturnsOnlyWhenTheSoundHasEndedAndFilesThatAreNotSoundAreRefused)
{
    const QString wave = write_file("tone.wav", tone_wav(1.0));
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(output.play_wave(wave));
    // Blocking playback is the behaviour boards rely on: the next key must wait.
    EXPECT_GE(timer.elapsed(), 800);

    EXPECT_FALSE(output.play_wave(folder.filePath("missing.wav")));
    EXPECT_FALSE(output.play_midi(folder.filePath("missing.mid")));

    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) & 0xff);
    EXPECT_FALSE(output.play_wave(write_file("garbage.wav", garbage)));
    EXPECT_FALSE(output.play_wave(write_file("truncated.wav", tone_wav(1.0).left(30))));
    // The mixer may take unknown data for some module format; whatever it made of
    // it, stopping leaves no music behind.
    output.play_midi(write_file("garbage.mid", garbage));
    output.stop_music();
    EXPECT_FALSE(output.music_playing());
}

TEST_F(SdlSoundOutputTest, SecondMusicReplacesTheFirst)
{
    // Forty half-second notes would keep the first file playing for twenty seconds.
    const QString long_music = write_file("long.mid", notes_midi(40));
    const QString short_music = write_file("short.mid", notes_midi(1));
    ASSERT_TRUE(output.play_midi(long_music));
    EXPECT_TRUE(output.music_playing());
    ASSERT_TRUE(output.play_midi(short_music));
    EXPECT_TRUE(output.music_playing());

    // The mixer reports music for about three seconds after the last note dies away;
    // the short file is over well before the long one would have been.
    QElapsedTimer waited;
    waited.start();
    while (output.music_playing() && waited.elapsed() < 12000)
        QThread::msleep(50);
    EXPECT_FALSE(output.music_playing());

    ASSERT_TRUE(output.play_midi(long_music));
    output.stop_music();
    EXPECT_FALSE(output.music_playing());
}

}  // namespace
}  // namespace orvel
