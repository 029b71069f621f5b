#include "platform/speech/espeak_text_reader.h"

#include <QProcess>

namespace orvel {

EspeakTextReader::EspeakTextReader(QString program) : program_(std::move(program)) {}

QStringList EspeakTextReader::arguments_for(const QString& full_name, int16_t language_code)
{
    // Any language other than Spanish reads in Catalan, as the speech engine does.
    const QString voice = language_code == 'e' ? QStringLiteral("es") : QStringLiteral("ca");
    return {QStringLiteral("-v"), voice, QStringLiteral("-f"), full_name};
}

bool EspeakTextReader::read_file(const QString& full_name, int16_t language_code)
{
    QProcess reader;
    reader.setProgram(program_);
    reader.setArguments(arguments_for(full_name, language_code));
    // The reader's complaints about a missing sound card are not the board's business.
    reader.setStandardOutputFile(QProcess::nullDevice());
    reader.setStandardErrorFile(QProcess::nullDevice());
    return reader.startDetached();
}

}  // namespace orvel
