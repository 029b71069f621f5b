// The communication boards: a main page with one group per topic (needs, feelings,
// people, places) and one of quick answers, and a page per topic reached from the
// topic's first cell, each with a way back to the main page. Every cell says its
// phrase aloud in the board's language and shows it under a symbol of the library.
#include <QColor>
#include <QDir>
#include <QStringList>

#include "make_boards/board_maker.h"
#include "make_boards/boards.h"
#include "make_boards/symbol_finder.h"

namespace orvel::boards {

namespace {

struct Topic {
    QString name;        // caption of the topic's first cell and name of its group
    QString page;        // the topic's page
    QColor colour;
    QStringList main;    // the five phrases on the main page
    QStringList more;    // the fifteen on the topic's page
};

struct Language {
    QString folder;
    QString main_page;
    int16_t tts_language;  // 0 Catalan, 1 Spanish
    QString say;           // the reading command in the language's own word
    QString load;          // the loading command
    QString top_level;     // the scanning-level command
    QString back;          // caption of the way back
    QString answers_name;
    QStringList answers;   // the sixth row: quick answers
    QString description;
    QList<Topic> topics;
};

// The symbols of the phrases, the same in both languages: the words that find them in
// the symbol library, in the order of the phrases.
struct TopicSymbols {
    QStringList main;
    QStringList more;
};
const TopicSymbols kTopicSymbols[] = {
    {{"fork and knife", "droplet", "toilet", "adhesive bandage", "SOS button"},
     {"fork and knife", "cup with straw", "droplet", "pot of food", "toilet", "adhesive bandage", "nauseated face",
      "face with head-bandage", "cold face", "hot face", "sleeping face", "counterclockwise arrows button",
      "SOS button", "plus", "stop sign"}},
    {{"grinning face", "crying face", "weary face", "angry face", "fearful face"},
     {"grinning face", "crying face", "weary face", "angry face", "fearful face", "anxious face with sweat",
      "yawning face", "thumbs up", "face with thermometer", "smiling face with heart-eyes", "thumbs down",
      "face with tears of joy", "relieved face", "red heart", "bust in silhouette"}},
    {{"woman", "man", "boy", "girl", "woman teacher"},
     {"woman", "man", "boy", "girl", "old man", "old woman", "man: beard", "woman: curly hair",
      "handshake", "women holding hands", "woman teacher", "man health worker", "woman health worker",
      "health worker", "person raising hand"}},
    {{"house", "school", "playground slide", "convenience store", "hospital"},
     {"house", "school", "playground slide", "convenience store", "hospital", "shopping cart",
      "beach with umbrella", "person swimming", "motorway", "automobile", "bed", "cooking", "restroom",
      "fork and knife with plate", "deciduous tree"}},
};
const QStringList kAnswerSymbols = {"check mark button", "cross mark",   "waving hand",
                                    "door",              "folded hands", "person shrugging"};

const QColor kAnswers(0xBB, 0xDE, 0xFB);
const QColor kBack(0xE0, 0xE0, 0xE0);

Language catalan()
{
    return {
        QStringLiteral("comunicacio"), QStringLiteral("COMUNICACIO.ORV"), 0,
        QStringLiteral("LLEGIR"), QStringLiteral("CARREGA"), QStringLiteral("NIVELL"), QStringLiteral("Tornar"),
        QStringLiteral("Respostes"),
        {"Sí", "No", "Hola", "Adéu", "Gràcies", "No ho sé"},
        QStringLiteral("Tauler de comunicació: necessitats, sentiments, persones i llocs. "
                       "Cada casella diu la frase en veu alta."),
        {
            {"Necessitats", "NECESSITATS.ORV", QColor(0xFF, 0xE0, 0xB2),
             {"Tinc gana", "Vull beure aigua", "Vull anar al lavabo", "Em fa mal", "Ajuda'm"},
             {"Tinc gana", "Tinc set", "Vull beure aigua", "Vull menjar", "Vull anar al lavabo", "Em fa mal",
              "Em fa mal la panxa", "Em fa mal el cap", "Tinc fred", "Tinc calor", "Tinc son",
              "Vull canviar de posició", "Necessito ajuda", "Vull més", "Ja n'hi ha prou"}},
            {"Sentiments", "SENTIMENTS.ORV", QColor(0xFF, 0xF5, 0x9D),
             {"Estic content", "Estic trist", "Estic cansat", "Estic enfadat", "Tinc por"},
             {"Estic content", "Estic trist", "Estic cansat", "Estic enfadat", "Tinc por", "Estic nerviós",
              "Estic avorrit", "Estic bé", "No em trobo bé", "M'agrada", "No m'agrada", "Em fa riure",
              "Estic tranquil", "T'estimo", "Vull estar sol"}},
            {"Persones", "PERSONES.ORV", QColor(0xF8, 0xBB, 0xD0),
             {"Mare", "Pare", "Germà", "Germana", "Mestra"},
             {"Mare", "Pare", "Germà", "Germana", "Avi", "Àvia", "Tiet", "Tieta", "Amic", "Amiga", "Mestra",
              "Metge", "Infermera", "Terapeuta", "Jo"}},
            {"Llocs", "LLOCS.ORV", QColor(0xC8, 0xE6, 0xC9),
             {"Casa", "Escola", "Parc", "Botiga", "Hospital"},
             {"Casa", "Escola", "Parc", "Botiga", "Hospital", "Supermercat", "Platja", "Piscina", "Carrer",
              "Cotxe", "Habitació", "Cuina", "Lavabo", "Menjador", "Jardí"}},
        },
    };
}

Language spanish()
{
    return {
        QStringLiteral("comunicacion"), QStringLiteral("COMUNICACION.ORV"), 1,
        QStringLiteral("LEER"), QStringLiteral("CARGA"), QStringLiteral("NIVEL"), QStringLiteral("Volver"),
        QStringLiteral("Respuestas"),
        {"Sí", "No", "Hola", "Adiós", "Gracias", "No lo sé"},
        QStringLiteral("Tablero de comunicación: necesidades, sentimientos, personas y lugares. "
                       "Cada casilla dice la frase en voz alta."),
        {
            {"Necesidades", "NECESIDADES.ORV", QColor(0xFF, 0xE0, 0xB2),
             {"Tengo hambre", "Quiero beber agua", "Quiero ir al baño", "Me duele", "Ayúdame"},
             {"Tengo hambre", "Tengo sed", "Quiero beber agua", "Quiero comer", "Quiero ir al baño", "Me duele",
              "Me duele la barriga", "Me duele la cabeza", "Tengo frío", "Tengo calor", "Tengo sueño",
              "Quiero cambiar de postura", "Necesito ayuda", "Quiero más", "Ya basta"}},
            {"Sentimientos", "SENTIMIENTOS.ORV", QColor(0xFF, 0xF5, 0x9D),
             {"Estoy contento", "Estoy triste", "Estoy cansado", "Estoy enfadado", "Tengo miedo"},
             {"Estoy contento", "Estoy triste", "Estoy cansado", "Estoy enfadado", "Tengo miedo",
              "Estoy nervioso", "Estoy aburrido", "Estoy bien", "No me encuentro bien", "Me gusta",
              "No me gusta", "Me hace reír", "Estoy tranquilo", "Te quiero", "Quiero estar solo"}},
            {"Personas", "PERSONAS.ORV", QColor(0xF8, 0xBB, 0xD0),
             {"Mamá", "Papá", "Hermano", "Hermana", "Maestra"},
             {"Mamá", "Papá", "Hermano", "Hermana", "Abuelo", "Abuela", "Tío", "Tía", "Amigo", "Amiga",
              "Maestra", "Médico", "Enfermera", "Terapeuta", "Yo"}},
            {"Lugares", "LUGARES.ORV", QColor(0xC8, 0xE6, 0xC9),
             {"Casa", "Colegio", "Parque", "Tienda", "Hospital"},
             {"Casa", "Colegio", "Parque", "Tienda", "Hospital", "Supermercado", "Playa", "Piscina", "Calle",
              "Coche", "Habitación", "Cocina", "Baño", "Comedor", "Jardín"}},
        },
    };
}

QString command(const QString& word, const QString& argument)
{
    return QStringLiteral("{|") + word + QLatin1Char(' ') + argument + QLatin1Char('}');
}

void set_speech(Template& t, const Language& l)
{
    t.tts_language = l.tts_language;
    t.tts_voice = 0;
    t.tts_speed = 100;
}

// Main page: five rows, each a group scanning enters; a phrase said inside a group
// takes scanning back to the rows.
bool make_main_page(const QString& folder, const Language& l, const SymbolFinder& symbols)
{
    constexpr int kColumns = 6, kRows = 5, kCellWidth = 106, kCellHeight = 89;
    BoardMaker maker(folder, l.main_page, kColumns * kCellWidth, kRows * kCellHeight);
    set_speech(maker.board(), l);
    maker.board().description = l.description;
    const QList<int> rows = maker.subdivide(1, kRows, 1);
    const QString back_to_rows = command(l.top_level, QStringLiteral("0"));
    for (int r = 0; r < kRows; ++r) {
        const QList<int> cells = maker.subdivide(rows[r], 1, kColumns);
        QStringList phrases, words = kAnswerSymbols;
        QColor colour = kAnswers;
        if (r < l.topics.size()) {
            const Topic& topic = l.topics[r];
            maker.set_group_name(rows[r], topic.name);
            maker.set_cell(cells[0], command(l.load, topic.page), topic.name,
                           {.caption = topic.name + QStringLiteral(" ▶"), .background = topic.colour.darker(110), .strong = true});
            phrases = topic.main;
            words = kTopicSymbols[r].main;
            colour = topic.colour;
        } else {
            maker.set_group_name(rows[r], l.answers_name);
            phrases = l.answers;
        }
        const int first = cells.size() - phrases.size();
        for (int i = 0; i < phrases.size(); ++i) {
            const QString symbol = symbols.picture(words.value(i));
            if (symbol.isEmpty())
                return false;
            maker.set_cell(cells[first + i], command(l.say, phrases[i]) + back_to_rows, phrases[i],
                           {.caption = phrases[i], .background = colour, .symbol = symbol});
        }
    }
    return maker.save();
}

// A topic's page: the way back first, then its fifteen phrases.
bool make_topic_page(const QString& folder, const Language& l, const Topic& topic, const QStringList& words,
                     const SymbolFinder& symbols)
{
    QList<int> cells;
    BoardMaker maker(folder, topic.page, {.columns = 4, .rows = 4, .cell_width = 160, .cell_height = 111}, &cells);
    set_speech(maker.board(), l);
    maker.board().description = topic.name;
    maker.set_cell(cells[0], command(l.load, l.main_page), l.back,
                   {.caption = QStringLiteral("◀ ") + l.back, .background = kBack, .strong = true});
    for (int i = 0; i < topic.more.size() && i + 1 < cells.size(); ++i) {
        const QString symbol = symbols.picture(words.value(i));
        if (symbol.isEmpty())
            return false;
        maker.set_cell(cells[i + 1], command(l.say, topic.more[i]), topic.more[i],
                       {.caption = topic.more[i], .background = topic.colour, .symbol = symbol});
    }
    return maker.save();
}

bool make_language(const QString& boards_folder, const Language& l, const SymbolFinder& symbols)
{
    const QString folder = boards_folder + QLatin1Char('/') + l.folder;
    QDir().mkpath(folder);
    bool ok = make_main_page(folder, l, symbols);
    for (int i = 0; i < l.topics.size(); ++i)
        ok = ok && make_topic_page(folder, l, l.topics[i], kTopicSymbols[i].more, symbols);
    return ok && write_profiles(folder, 15);
}

}  // namespace

bool make_communication_boards(const QString& boards_folder, const SymbolFinder& symbols)
{
    return make_language(boards_folder, catalan(), symbols) && make_language(boards_folder, spanish(), symbols);
}

}  // namespace orvel::boards
