#include "runtime/voice_control.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "model/ini_file.h"
#include "model/messages.h"
#include "runtime/cursor_probe.h"
#include "runtime/voice/speech_recognition_engine.h"

namespace orvel {

namespace {
constexpr int kFirstOrderMessage = 16;  // "AVANÇAR" .. "ACCEPTAR"
constexpr int kEngineSettleMs = 1000;
const int kOrderKeys[5] = {kKeyUp, kKeyDown, kKeyRight, kKeyLeft, kKeyEnter};
}  // namespace

VoiceControl::VoiceControl(UserProfile& profile, SpeechRecognitionEngine* engine, VoiceCalls calls)
    : profile_(profile), engine_(engine), calls_(std::move(calls))
{
}

void VoiceControl::Option1_Click(int index)
{
    if (recognition_state != 0 || index < 0 || index > 2)
        return;
    word_list.fill(QString());
    recognition_state = 0;
    const QString test = QStringLiteral("TEST");
    switch (index) {
    case 0:
        word_count = 2;
        word_list[1] = QStringLiteral("1");
        word_list[2] = test;
        profile_.modus = 5;
        profile_.accio1 = kVoiceSwitch1;
        profile_.accio2 = 0;
        break;
    case 1:
        word_count = 3;
        word_list[1] = QStringLiteral("1");
        word_list[2] = QStringLiteral("2");
        word_list[3] = test;
        profile_.modus = 6;
        profile_.accio1 = kVoiceSwitch1;
        profile_.accio2 = kVoiceSwitch2;
        break;
    case 2:
        word_count = 6;
        for (int i = 0; i < 5; ++i)
            word_list[static_cast<size_t>(i + 1)] = missatge(kFirstOrderMessage + i);
        word_list[6] = test;
        profile_.modus = 7;
        break;
    }
}

int16_t VoiceControl::start_recognition()
{
    QStringList words;
    for (int i = 1; i <= word_count && i < kWordSlots; ++i)
        words << word_list[static_cast<size_t>(i)];
    word_list[0] = words.join(QLatin1Char(','));
    if (recording_tenths < 1)
        recording_tenths = 2;
    if (recording_tenths > 14)
        recording_tenths = 14;
    if (word_count == 0 || !engine_)
        return 0;
    if (engine_->IniciarUnitReconeixementDeSons(word_count, word_list[0]) != 0) {
        if (calls_.show_message)
            calls_.show_message(QCoreApplication::translate("Orvel", "No s'ha pogut iniciar la Dll de reconeixement de sons"));
        return 0;
    }
    version = engine_->NumeroVersio();
    // The engine's own start-up second.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() <= kEngineSettleMs)
        QThread::msleep(10);
    return engine_->AssignarNumeroDeDecimesDeSegonDereconeixement(recording_tenths) ? -1 : 0;
}

void VoiceControl::voice_message_handler(int word)
{
    if (word < 1 || word > 32)
        return;
    switch (profile_.modus) {
    case 5:
        if (word == 1 && calls_.act_butons)
            calls_.act_butons(profile_.accio1, QString());
        break;
    case 6:
        if (word == 1 && calls_.act_butons)
            calls_.act_butons(profile_.accio1, QString());
        else if (word == 2 && calls_.act_butons)
            calls_.act_butons(profile_.accio2, QString());
        break;
    case 7:
        if (word <= 5 && calls_.key_down)
            calls_.key_down(kOrderKeys[word - 1]);
        break;
    default:
        break;
    }
}

void VoiceControl::choose_voice()
{
    if (profile_.modus < 5)
        profile_.modus = 5;
    if (recording_tenths == 0)
        recording_tenths = 5;
}

void VoiceControl::start_listening()
{
    const int m = profile_.modus;
    if ((m == 5 || m == 6 || m == 7) && recognition_state != 0 && engine_ && engine_->IniciarReconeixement() == 0)
        recognition_state = -2;
}

void VoiceControl::stop_listening()
{
    if (recognition_state != -2)
        return;
    if (engine_)
        engine_->PararReconeixement();
    recognition_state = -1;
}

void VoiceControl::accept_dialog(const QString& retard, const QString& gruix, double color)
{
    profile_.gruix = rounded_int16(leading_number(gruix));
    profile_.color = color;
    const int16_t value = rounded_int16(leading_number(retard));
    if (profile_.modus == 5) {
        profile_.retard1 = value;
        profile_.temps = value;
    } else if (profile_.modus == 6) {
        profile_.retard1 = value;
        profile_.retard2 = value;
        profile_.temps = value;
    }
}

void VoiceControl::cancel_dialog()
{
    if (recognition_state == 0)
        profile_.modus = 0;
}

int VoiceControl::selected_option() const
{
    const int m = profile_.modus;
    return m >= 5 && m <= 7 ? m - 5 : -1;
}

}  // namespace orvel
