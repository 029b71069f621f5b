#include "editor/global_data.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "model/file_names.h"
#include "model/messages.h"
#include "model/template_file.h"

namespace orvel {

GlobalDataBoxes global_data_boxes(const Template& t, bool speech_present, const GlobalDataBoxes& speech_as_shown)
{
    GlobalDataBoxes b;
    b.descripcio = t.description;
    b.FitxDoc = t.doc_file;
    b.Ordres = t.program;
    b.Tecles = t.initial_keys;
    b.FitxGraf = t.cover_file;
    b.clip_option = t.clip_type == 1 ? 1 : 0;
    b.FitxClip = t.clip_file;
    b.TxFinestra = t.app_title;
    b.Pathdefault = t.directory;
    b.caratula_auto = t.auto_cover != 0;
    if (speech_present) {
        b.sv_idioma = t.tts_language;
        b.sv_locutor = t.tts_voice;
        b.SV_velocitat = QString::number(t.tts_speed);
    }
    else {
        b.sv_idioma = speech_as_shown.sv_idioma;
        b.sv_locutor = speech_as_shown.sv_locutor;
        b.SV_velocitat = speech_as_shown.SV_velocitat;
    }
    return b;
}

void accept_global_data(Template& t, const GlobalDataBoxes& b)
{
    t.modified = -1;
    t.description = b.descripcio;
    t.doc_file = b.FitxDoc;
    t.program = b.Ordres;
    t.initial_keys = b.Tecles;
    t.cover_file = b.FitxGraf;
    t.auto_cover = b.caratula_auto ? 1 : 0;
    if (!b.FitxGraf.isEmpty()) {
        const QString cover = resolve_stored_name(b.FitxGraf, t.directory);
        if (existing_file(cover))
            t.cover_time = file_time_text(cover);
    }
    t.cover_outdated = 0;
    t.clip_file = b.FitxClip;
    t.app_title = b.TxFinestra;
    t.tts_language = int16_t(b.sv_idioma);
    t.tts_voice = int16_t(b.sv_locutor);
    t.tts_speed = speed_from_text(b.SV_velocitat);
}

int16_t speed_from_text(const QString& text)
{
    // Leading blanks, a sign, digits and a decimal part, as a number is read from a box.
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch())
        return 0;
    const double value = std::nearbyint(m.captured(1).toDouble());  // default rounding: halves to even
    if (!std::isfinite(value))
        return 0;
    return int16_t(std::clamp(value, -32768.0, 32767.0));
}


QStringList program_list_items(const Catalogue& catalogue)
{
    QStringList items{missatge(11)};
    for (const CatalogueProgram& p : catalogue.programs)
        items << p.title;
    items << missatge(12);
    return items;
}

ProgramChoice program_list_choice(const Catalogue& catalogue, int index)
{
    const int programs = int(catalogue.programs.size());
    if (index >= 1 && index <= programs)
        return {ProgramChoice::CatalogueProgram, index};
    if (index == programs + 1)
        return {ProgramChoice::OtherProgram, 0};
    return {};
}

QString catalogue_program_text(const Catalogue& catalogue, int program)
{
    if (program < 1 || program > int(catalogue.programs.size()))
        return QString();
    return catalogue.programs[size_t(program - 1)].file;
}

bool document_viewable(const QString& name)
{
    return ends_with_no_case(name, QStringLiteral(".WRI")) || ends_with_no_case(name, QStringLiteral(".TXT"));
}

bool cover_viewable(const QString& name)
{
    return ends_with_no_case(name, QStringLiteral(".PCX")) || ends_with_no_case(name, QStringLiteral(".BMP"));
}

}  // namespace orvel
