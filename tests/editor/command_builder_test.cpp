// The command builder's rows: key texts opened as rows and joined back, the
// row buttons, the parameter values, the window and mode stacks and the
// control caption list.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "editor/builder_captions.h"
#include "editor/builder_stacks.h"
#include "editor/command_builder.h"
#include "exec/command_catalogue.h"
#include "support/test_files.h"

namespace orvel {
namespace {

using namespace Qt::StringLiterals;

const std::vector<CatalogueMacro> kMacros = {
    {u"Negreta"_s, u"^b"_s, u"negreta.wav"_s, u"negreta.bmp"_s},
    {u"Desar"_s, u"^g"_s, QString(), QString()},
    {u"Buida"_s, QString(), QString(), QString()},
};

int entry_named(const BuilderEntries& entries, const QString& caption)
{
    return int(entries.captions().indexOf(caption));
}

TEST(CommandBuilder, KeyTextOpensAsRowsAndComesBackUnchanged)
{
    const BuilderEntries entries(kMacros);
    const OpenedRows opened = rows_from_key_text(u"Hola{|Sona BEE.WAV}"_s, entries);
    EXPECT_FALSE(opened.raw);
    const std::vector<BuilderRow> expected = {{entry_named(entries, u"Escriu"_s), u"Hola"_s},
                                              {entry_named(entries, u"Escoltar sons"_s), u"BEE.WAV"_s}};
    EXPECT_EQ(opened.rows, expected);
    EXPECT_EQ(confegir_codi(opened.rows, entries, u"/p"_s).keys, u"Hola{|Sona BEE.WAV}"_s);

    // Every text the insertion menus produce, a file put where they ask one.
    QStringList texts;
    std::vector<const CommandMenu*> menus;
    for (const CommandMenu& m : command_menus()) {
        menus.push_back(&m);
        for (const CommandMenu& sub : m.submenus)
            menus.push_back(&sub);
    }
    for (const CommandMenu* m : menus)
        for (const CommandMenuItem& item : m->items)
            texts << item.text + (item.source == CommandFileSource::None ? QString() : u"DIR/A.BMP"_s) + item.suffix;
    // And what the builder's own rows give: macros, memory, pictures, lists, branches two deep.
    texts << u"^b^gHola^b"_s << u"{|CM }{|M+ 3}"_s << u"{|Enganxa casa.bmp}^v{RIGHT}"_s
          << u"{|Enganxa NOTA.TXT}"_s << u"{|Tria [a##b]}"_s << u"{|Tria []}"_s
          << u"{|SIM 1{{|Sona A.WAV}}{{|SIM 2{x{|Mouse CE}}{{|Nivell 0}}}}}"_s
          << u"{|Mouse M 10 20}{|Mouse 2CD}{|Llegeix /I:c /L:1 /V:100 /F:T.TXT}"_s << u"{|Nivell -1}+{TAB}"_s;
    ASSERT_GE(texts.size(), 30);
    for (const QString& text : texts) {
        const OpenedRows rows = rows_from_key_text(text, entries);
        // "Dreta" of the "Ratolí" menu has no catalogue entry: it stays one row of typed text.
        EXPECT_EQ(rows.raw, text.startsWith(u"{|Mouse D "_s)) << text.toStdString();
        EXPECT_EQ(confegir_codi(rows.rows, entries, QString()).keys, text) << text.toStdString();
    }
    // A picture after "Enganxa" and the "^v" that follows make one row; macros are their own rows.
    const OpenedRows paste = rows_from_key_text(u"x^b{|Enganxa casa.bmp}^v"_s, entries);
    ASSERT_EQ(paste.rows.size(), 3u);
    EXPECT_EQ(paste.rows[1].entry, entries.catalogue_count());
    EXPECT_EQ(paste.rows[2], (BuilderRow{entry_named(entries, u"Enganxar un dibuix"_s), u"casa.bmp"_s}));
    EXPECT_TRUE(rows_from_key_text(QString(), entries).rows.empty());
    EXPECT_EQ(confegir_codi({}, entries, QString()).keys, QString());
}

TEST(CommandBuilder, TextTheRowsCannotGiveBackOpensAsOneRawRow)
{
    const BuilderEntries entries(kMacros);
    const QString texts[] = {
        u"Hola{|Desconegut x}"_s, u"a{|Sona x"_s, u"{|Nivell 5}"_s, u"{|Tancar ara}"_s,
        u"}{|{|}"_s, u"{|Enganxa _VALOR_ }"_s, u"{|Sona {a}"_s, u"\u00e0\u0000{|"_s,
    };
    for (const QString& text : texts) {
        const OpenedRows opened = rows_from_key_text(text, entries);
        const bool one_raw_row = opened.raw && opened.rows.size() == 1;
        // Texts without a command need no raw row: they are typed text.
        if (opened.raw) {
            EXPECT_TRUE(one_raw_row) << text.toStdString();
        }
        EXPECT_EQ(confegir_codi(opened.rows, entries, QString()).keys, text) << text.toStdString();
    }
    EXPECT_TRUE(rows_from_key_text(u"Hola{|Desconegut x}"_s, entries).raw);
    const FoundCode unknown = codi_trobar(u"{|Desconegut x}"_s, QString(), entries);
    EXPECT_EQ(unknown.entry, -1);
}

TEST(CommandBuilder, JoiningGivesTheAreaASymbolFromAPictureOrAMacro)
{
    const BuilderEntries entries(kMacros);
    const int sound = entry_named(entries, u"Escoltar sons"_s);
    const int picture = entry_named(entries, u"Enganxar un dibuix"_s);
    const int level = entry_named(entries, u"Exploració nivell inicial"_s);
    const int bold = entries.catalogue_count();
    struct Case {
        std::vector<BuilderRow> rows;
        QString keys, symbol;
    };
    const Case cases[] = {
        {{{picture, u"A.TXT"_s}}, u"{|Enganxa A.TXT}^v"_s, QString()},
        {{{sound, u"casa.bmp"_s}, {level, QString()}}, u"{|Sona casa.bmp}{|Nivell 0}"_s, u"casa.bmp"_s},
        {{{bold, QString()}, {0, u"x.gif"_s}}, u"^bx.gif"_s, u"x.gif"_s},
        {{{0, u"x.gif"_s}, {bold, QString()}}, u"x.gif^b"_s, u"/p/icones/negreta.bmp"_s},
        {{{-1, u"solt"_s}, {bold + 2, QString()}}, u"solt"_s, QString()},  // an unset row, an empty macro
    };
    for (const Case& c : cases) {
        const JoinedCode joined = confegir_codi(c.rows, entries, u"/p"_s);
        EXPECT_EQ(joined.keys, c.keys);
        EXPECT_EQ(joined.symbol, c.symbol) << c.keys.toStdString();
    }
}

TEST(CommandBuilder, RowButtonsAtTheEdges)
{
    std::vector<BuilderRow> rows;
    int selected = 0;
    remove_row(rows, selected);  // nothing to remove
    raise_row(rows, selected);
    EXPECT_TRUE(rows.empty());
    add_row(rows, selected);
    EXPECT_EQ(selected, 1);
    remove_row(rows, selected);  // "- Codi" on the only row leaves none
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(selected, 0);

    rows = {{0, u"a"_s}, {0, u"b"_s}, {0, u"c"_s}};
    selected = 1;
    raise_row(rows, selected);  // "^ Codi" on the first row does nothing
    EXPECT_EQ(rows[0].value, u"a"_s);
    selected = 3;
    raise_row(rows, selected);
    EXPECT_EQ(selected, 2);
    EXPECT_EQ((QStringList{rows[0].value, rows[1].value, rows[2].value}), (QStringList{u"a"_s, u"c"_s, u"b"_s}));
    remove_row(rows, selected);  // the later row moves up into the selection
    EXPECT_EQ(rows[1].value, u"b"_s);
    EXPECT_EQ(selected, 2);
    remove_row(rows, selected);  // past the end: the selection follows to the last row
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(rows.size(), 1u);
}

TEST(CommandBuilder, ParameterValuesOfListsCoordinatesAndBranches)
{
    EXPECT_EQ(list_items(u"[ x1#x2#x3]"_s), (QStringList{u" x1"_s, u"x2"_s, u"x3"_s}));
    EXPECT_EQ(list_items(u"[a##b]"_s), (QStringList{u"a"_s, QString(), u"b"_s}));
    EXPECT_TRUE(list_items(u"[]"_s).isEmpty());
    EXPECT_EQ(list_items(u"sense"_s), QStringList{u"sense"_s});
    EXPECT_EQ(list_value({u"a"_s, QString(), u"c"_s}), u"[a#c]"_s);
    EXPECT_EQ(list_value({QString(), QString()}), u"[]"_s);
    EXPECT_EQ(coordinates(u"10 20 30"_s), (QStringList{u"10"_s, u"20 30"_s}));
    EXPECT_EQ(coordinates(u"10"_s), (QStringList{u"10"_s, QString()}));
    EXPECT_EQ(coordinates_value(u"1"_s, u"2"_s), u"1 2"_s);

    // Branches nested two deep: each branch opens as rows of its own.
    const BuilderEntries entries;
    const QString value = u"1{{|SIM 2{x}{y}}}{ fals }"_s;
    const SimValue sim = split_sim(value);
    EXPECT_EQ(sim.compared, u"1"_s);
    EXPECT_EQ(sim.when_true, u"{|SIM 2{x}{y}}"_s);
    EXPECT_EQ(sim.when_false, u" fals "_s);
    EXPECT_EQ(sim_value(sim), value);
    const OpenedRows inner = rows_from_key_text(sim.when_true, entries);
    ASSERT_EQ(inner.rows.size(), 1u);
    EXPECT_EQ(inner.rows[0].entry, entry_named(entries, u"Si memoria es ..."_s));
    const SimValue deeper = split_sim(inner.rows[0].value);
    EXPECT_EQ((QStringList{deeper.compared, deeper.when_true, deeper.when_false}),
              (QStringList{u"2"_s, u"x"_s, u"y"_s}));
    EXPECT_EQ(split_sim(u"xxx"_s).compared, u"xxx"_s);
    EXPECT_EQ(split_sim(u"a{b"_s).when_true, u"b"_s);
}

TEST(CommandBuilder, StacksSurviveBuildersThreeDeep)
{
    BuilderStacks stacks;
    stacks.reset(u"Orvel"_s);
    EXPECT_FALSE(stacks.pop(BuilderWindow::Fill));  // nothing nested yet
    const std::pair<BuilderWindow, QString> opened[] = {
        {BuilderWindow::Fill, kModeParameter}, {BuilderWindow::Sim, u"sim"_s}, {BuilderWindow::Fill, kModeWhenTrue},
        {BuilderWindow::Dades, u"Text"_s},     {BuilderWindow::Fill, kModeParameter}, {BuilderWindow::Fill, u"a|b"_s},
    };
    QStringList modes{u"Orvel"_s};
    for (const auto& [kind, mode] : opened) {
        stacks.push(kind, mode);
        modes << mode;
    }
    EXPECT_EQ(stacks.depth(BuilderWindow::Fill), 4);
    EXPECT_EQ(stacks.earlier_modes(), u"Orvel|Parametre|sim|Si memoria es cert|Text|Parametre"_s);
    for (int i = int(std::size(opened)) - 1; i >= 0; --i) {
        EXPECT_EQ(stacks.mode(), modes[i + 1]);
        EXPECT_TRUE(stacks.pop(opened[i].first));
    }
    EXPECT_EQ(stacks.mode(), u"Orvel"_s);
    EXPECT_EQ(stacks.open_windows(), 0);
    EXPECT_EQ(builder_target(u"Orvel"_s, u"Orvel"_s), BuilderTarget::AreaKeys);
    EXPECT_EQ(builder_target(kModeWhenFalse, u"Orvel"_s), BuilderTarget::SimFalse);
    EXPECT_EQ(builder_target(u" Llegir un text"_s, u"Orvel"_s), BuilderTarget::ParentRowValue);
}

TEST(CommandBuilder, EveryOpeningAppendsItsCaptionsToTheScratchFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"state/orvmis.txt"_s);
    ASSERT_TRUE(append_control_captions(path, u"Assistent tecles"_s, {{0, u"+ Codi"_s}, {1, QString()}, {1, u"- Codi"_s}}));
    ASSERT_TRUE(append_control_captions(path, u"Assistent tecles"_s, {{0, u"Acceptar"_s}}));
    EXPECT_EQ(testing::read_file(path),
              "Assistent tecles, 0,\"+ Codi\"\nAssistent tecles, 1,\"- Codi\"\nAssistent tecles, 0,\"Acceptar\"\n");
    EXPECT_FALSE(append_control_captions(dir.filePath(u"state/orvmis.txt/x"_s), u"A"_s, {{0, u"B"_s}}));
}

}  // namespace
}  // namespace orvel
