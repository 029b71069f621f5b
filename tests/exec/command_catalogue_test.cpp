// The editor's aids for writing key texts: the command catalogue, the command
// menus, the chosen-file rules and the auxiliary keyboard's buttons, checked against the command language and key notation
// that will run what they insert.
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include "exec/aux_keyboard_keys.h"
#include "exec/command_catalogue.h"
#include "model/command_words.h"
#include "platform/keys/key_notation.h"

using namespace orvel;
using namespace Qt::StringLiterals;

namespace {

// The keyword of the first command in a text: "{|Mouse CD}" gives "Mouse".
QString first_keyword(const QString& text)
{
    const qsizetype start = text.indexOf(u"{|"_s);
    if (start < 0)
        return QString();
    qsizetype end = start + 2;
    while (end < text.size() && text[end] != u' ' && text[end] != u'}')
        ++end;
    return text.mid(start + 2, end - start - 2);
}

std::vector<const CommandMenuItem*> all_items(const CommandMenu& menu)
{
    std::vector<const CommandMenuItem*> items;
    for (const CommandMenuItem& item : menu.items)
        items.push_back(&item);
    for (const CommandMenu& sub : menu.submenus)
        for (const CommandMenuItem* item : all_items(sub))
            items.push_back(item);
    return items;
}

}  // namespace

TEST(CommandCatalogue, EntriesAndBounds)
{
    // Every entry but "Escriu" starts a command the interpreter knows.
    for (int i = 0; i < kCommandCatalogueSize; ++i) {
        const QString start = command_catalogue(i, 1);
        if (i == 0) {
            EXPECT_TRUE(start.isEmpty());
            continue;
        }
        EXPECT_TRUE(start.startsWith(u"{|"_s)) << i;
        EXPECT_NE(command_word(first_keyword(start)), CommandWord::Unknown) << start.toStdString();
    }
    for (const auto& [index, column] : std::vector<std::pair<int, int>>{{32, 0}, {5, 3}, {-1, 0}, {0, -1}})
        EXPECT_TRUE(command_catalogue(index, column).isEmpty()) << index << "," << column;
}

TEST(CommandCatalogue, MenusInsertCommandsTheInterpreterKnows)
{
    const std::vector<CommandMenu>& menus = command_menus();
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_TRUE(menus[0].closes_aux_keyboard);
    EXPECT_FALSE(menus[1].closes_aux_keyboard);
    EXPECT_FALSE(menus[2].closes_aux_keyboard);

    QSet<QString> names;
    QMap<QString, QString> inserted;  // caption -> text, with "FILE" for the chosen file
    for (const CommandMenu& menu : menus)
        for (const CommandMenuItem* item : all_items(menu)) {
            EXPECT_FALSE(names.contains(item->name)) << item->name.toStdString();
            names.insert(item->name);
            const QString text = item->source == CommandFileSource::None ? item->text
                                                                          : item->text + u"FILE"_s + item->suffix;
            EXPECT_NE(command_word(first_keyword(text)), CommandWord::Unknown) << text.toStdString();
            inserted[item->caption] = text;
        }
    EXPECT_EQ(names.size(), 12 + 5 + 4 + 4 + 6);

    // An item named like a catalogue entry inserts that entry's command.
    int matched = 0;
    for (int i = 1; i < kCommandCatalogueSize; ++i) {
        QString name = command_catalogue(i, 0);
        name.remove(QRegularExpression(u"^(Memòria|Mouse) "_s));
        for (auto it = inserted.begin(); it != inserted.end(); ++it)
            if (it.key().trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0 && i != 2) {
                EXPECT_TRUE(it.value().startsWith(command_catalogue(i, 1))) << it.key().toStdString();
                ++matched;
            }
    }
    EXPECT_EQ(matched, 25);
    // The rest, and the "dret" items being the D operations.
    const QMap<QString, QString> expected = {
        {u"Enganxar un text"_s, u"{|Enganxa FILE}^v"_s},
        {u"Enganxar un dibuix"_s, u"{|Enganxa FILE}^v{RIGHT}"_s},
        {u"Dreta"_s, u"{|Mouse D n}"_s},
        {u"Doble clic dret"_s, u"{|Mouse 2CD}"_s},
        {u"Recupera Text Carpeta  Window"_s, u"{|RCW }"_s},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(inserted.value(it.key()), it.value()) << it.key().toStdString();

    // Each file item asks through its own dialog; only the board dialog starts in the board's folder.
    QMap<QString, int> dialogs;
    for (const CommandMenuItem& item : menus[0].items)
        if (item.source == CommandFileSource::FileDialog)
            dialogs[item.caption] = item.dialog;
    EXPECT_EQ(dialogs, (QMap<QString, int>{{u"Executar programes"_s, 0}, {u"Escoltar sons"_s, 1},
                                           {u"Canvi de plafó"_s, 2}, {u"Enganxar un text"_s, 3}}));
    EXPECT_EQ(command_file_dialog(2).start, StartFolder::Board);
    EXPECT_EQ(command_file_dialog(0).start, StartFolder::Current);
    EXPECT_TRUE(command_file_dialog(4).title.isEmpty());
}

TEST(CommandCatalogue, DialogFiltersInQtForm)
{
    EXPECT_EQ(qt_name_filters(command_file_dialog(0).filter),
              (QStringList{u"Fitxers executable(*.EXE) (*.EXE)"_s, u"Tots els fixters (*.*) (*)"_s}));
    EXPECT_EQ(qt_name_filters(command_file_dialog(3).filter).size(), 5);
    EXPECT_EQ(qt_name_filters(u"Gràfics|*.bmp;*.GIF"_s), QStringList{u"Gràfics (*.bmp *.GIF)"_s});
    EXPECT_TRUE(qt_name_filters(u"only a description"_s).isEmpty());
}

TEST(CommandCatalogue, ChosenFilesAreStoredInCapitalsRelativeToTheBoard)
{
    struct Row {
        QString chosen, board_folder, stored;
    };
    for (const Row& r : std::vector<Row>{
             {u"/home/u/boards/sons/a.wav"_s, u"/home/u/boards"_s, u"SONS/A.WAV"_s},
             {u"/home/u/boards/a.wav"_s, u"/home/u/Boards/"_s, u"A.WAV"_s},
             {u"/home/u/other/a.wav"_s, u"/home/u/boards"_s, u"/HOME/U/OTHER/A.WAV"_s},
             {u"C:\\BOARDS\\SONS\\A.WAV"_s, u"C:\\BOARDS"_s, u"SONS/A.WAV"_s},
             {u"D:\\BOARDS\\SONS\\A.WAV"_s, u"C:\\BOARDS"_s, u"D:\\BOARDS\\SONS\\A.WAV"_s},
             {u"*.WAV"_s, u"/"_s, QString()},
             {u"/a.w"_s, u"/"_s, QString()},
             {u"/a.wa"_s, u"/"_s, u"A.WA"_s},
             {QString(), u"/"_s, QString()}})
        EXPECT_EQ(accept_chosen_file(r.chosen, r.board_folder), r.stored) << r.chosen.toStdString();

    // The picture browser's choice keeps its letter case; a folder alone is no choice.
    EXPECT_EQ(accept_browsed_picture(u"/t/Img/Casa.bmp"_s, u"/t"_s), u"Img/Casa.bmp"_s);
    EXPECT_EQ(accept_browsed_picture(u"/u/casa.bmp"_s, u"/t"_s), u"/u/casa.bmp"_s);
    EXPECT_TRUE(accept_browsed_picture(u"/t/img/"_s, u"/t"_s).isEmpty());
    EXPECT_TRUE(accept_browsed_picture(QString(), u"/t"_s).isEmpty());
}

TEST(AuxKeyboard, KeysAreOneKeyStrokeEach)
{
    const std::vector<AuxKey>& keys = aux_keyboard_keys();
    ASSERT_EQ(keys.size(), 31u);
    QSet<int> indexes;
    for (const AuxKey& k : keys) {
        indexes.insert(k.index);
        EXPECT_FALSE(k.caption.isEmpty()) << k.index;
        const ParsedKeys parsed = parse_key_notation(k.text);
        EXPECT_EQ(parsed.error, key_send_ok) << k.text.toStdString();
        EXPECT_EQ(parsed.strokes.size(), 1u) << k.text.toStdString();
    }
    EXPECT_FALSE(indexes.contains(25));
    EXPECT_TRUE(indexes.contains(0) && indexes.contains(31));
    const auto text_of = [&keys](int index) {
        for (const AuxKey& k : keys)
            if (k.index == index)
                return std::make_pair(k.caption, k.text);
        return std::make_pair(QString(), QString());
    };

    // A modifier picture then a key: Shift+Insert.
    const ParsedKeys shift_insert = parse_key_notation(aux_picture_text(0) + text_of(1).second);
    ASSERT_EQ(shift_insert.strokes.size(), 1u);
    EXPECT_EQ(shift_insert.strokes[0], KeyStroke::of_key(NamedKey::Insert, mod_shift));
}

TEST(AuxKeyboard, PicturesAndTheFieldTheyWriteTo)
{
    EXPECT_EQ(aux_picture_text(kAuxLoadPicture, u"PLAFONS/B.ORV"_s), u"{|Carrega PLAFONS/B.ORV}"_s);
    EXPECT_EQ(aux_picture_text(kAuxExecutePicture, u"/USR/BIN/XTERM"_s), u"{|Executa /USR/BIN/XTERM}"_s);
    EXPECT_TRUE(aux_picture_text(8).isEmpty());
    EXPECT_TRUE(aux_picture_text(-1).isEmpty());

    // Both file pictures start in the program's folder, with their menu dialog's texts.
    EXPECT_EQ(aux_picture_dialog(kAuxExecutePicture).filter, command_file_dialog(0).filter);
    EXPECT_EQ(aux_picture_dialog(kAuxExecutePicture).start, StartFolder::Program);
    EXPECT_TRUE(aux_picture_dialog(3).title.isEmpty());

    for (const auto& [windows, field] : std::vector<std::pair<int, NotationField>>{
             {2, NotationField::AreaKeys}, {3, NotationField::InitialKeys}, {4, NotationField::BuilderParameter},
             {1, NotationField::BuilderParameter}, {7, NotationField::BuilderParameter}})
        EXPECT_EQ(notation_field(windows), field) << windows;
}
