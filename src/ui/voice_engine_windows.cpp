#include "ui/voice_engine_windows.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/message_boxes.h"
#include "ui/voice_distances_window.h"
#include "ui/voice_level_window.h"
#include "ui/voice_training_window.h"

namespace orvel {

namespace {
QWidget* dialog_parent(QWidget* fallback)
{
    QWidget* active = QApplication::activeModalWidget();
    return active ? active : fallback;
}
}  // namespace

void QtVoiceEngineWindows::show_training(SpeechRecognitionEngine& engine)
{
    VoiceTrainingWindow window(engine, dialog_parent(parent_));
    window.exec();
}

void QtVoiceEngineWindows::show_level(SpeechRecognitionEngine& engine)
{
    VoiceLevelWindow window(engine, dialog_parent(parent_));
    window.exec();
}

void QtVoiceEngineWindows::show_distances(SpeechRecognitionEngine& engine)
{
    VoiceDistancesWindow window(engine, dialog_parent(parent_));
    window.exec();
}

QString QtVoiceEngineWindows::choose_word_file(const QString& suggested)
{
    QDir().mkpath(QFileInfo(suggested).absolutePath());
    return QFileDialog::getSaveFileName(dialog_parent(parent_), QCoreApplication::translate("Orvel", "Desar les paraules entrenades"),
                                        suggested, QCoreApplication::translate("Orvel", "Paraules (*.VEU *.veu)"));
}

void QtVoiceEngineWindows::show_message(const QString& text)
{
    messages_.show(text, QStringLiteral("Orvel"), MessageIcon::Exclamation);
}

}  // namespace orvel
