// The "Fitxers" menu logic and undo: relocation on save, cover naming, the save, open, new
// and exit questions, and the undo snapshot.
#include <gtest/gtest.h>

#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <vector>

#include "model/board_file_commands.h"
#include "model/orvel_state.h"
#include "model/template_file.h"
#include "support/recording_messages.h"

// Designated initializers leave the fields they do not name at their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace orvel;
using namespace Qt::StringLiterals;
using orvel::testing::RecordingMessages;

namespace {

using orvel::testing::read_file;
using orvel::testing::write_file;

class BoardFileCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        saved_cwd = QDir::currentPath();
        QDir().mkpath(old_dir);
        QDir().mkpath(new_dir);
        state.folders.state = root.path() + u"/state"_s;
        state.folders.program = root.path() + u"/program"_s;
        state.tmpl.directory = old_dir;
    }
    void TearDown() override { QDir::setCurrent(saved_cwd); }
    QTemporaryDir root;
    QString saved_cwd;
    const QString old_dir = root.path() + u"/old"_s;
    const QString new_dir = root.path() + u"/new"_s;
    OrvelState state;
    RecordingMessages messages;
};

}  // namespace

TEST_F(BoardFileCommands, ReferencesAndFileCommandsAreRelocated)
{
    write_file(old_dir + u"/sons/bee.wav"_s);
    write_file(old_dir + u"/next.orv"_s);
    write_file(old_dir + u"/text.txt"_s);
    const QString full_next = old_dir + u"/next.orv"_s;
    struct Row {
        QString in, to, out;
    };
    // Outside the new folder the full name, inside it relative to it; a file that does not
    // exist, an empty name and a text to speak stay as written.
    for (const Row& r : std::vector<Row>{{u"SONS\\BEE.WAV"_s, new_dir, old_dir + u"/sons/bee.wav"_s},
                                         {u"SONS\\BEE.WAV"_s, root.path(), u"old/sons/bee.wav"_s},
                                         {u"SONS\\NONE.WAV"_s, new_dir, u"SONS\\NONE.WAV"_s},
                                         {QString(), new_dir, QString()},
                                         {u"Bon dia"_s, new_dir, u"Bon dia"_s}})
        EXPECT_EQ(relocate_reference(r.in, old_dir, r.to), r.out) << r.in.toStdString();
    // Only file commands change; for a missing file only the command word. LLEGEIX keeps its
    // switches and relocates the file after "/F:"; aliases and commands inside a conditional
    // count; commands without an argument and unclosed ones are left alone.
    for (const Row& r : std::vector<Row>{
             {u"a{|TANCAR}b"_s, new_dir, u"a{|TANCAR}b"_s},
             {u"{|carrega next.orv}"_s, new_dir, u"{|CARREGA "_s + full_next + u'}'},
             {u"{|carrega  other.orv  }x"_s, new_dir, u"{|CARREGA other.orv}x"_s},
             {u"{|Llegeix /I:c /L:1 /V:100 /F:TEXT.TXT}"_s, root.path(), u"{|LLEGEIX /I:c /L:1 /V:100 /F:old/text.txt}"_s},
             {u"{|SIM 1 {{|carga next.orv}} {x}}"_s, new_dir, u"{|SIM 1 {{|CARGA "_s + full_next + u"}} {x}}"_s},
             {u"{|CM}{|sona next.orv"_s, new_dir, u"{|CM}{|sona next.orv"_s}})
        EXPECT_EQ(relocate_key_text(r.in, old_dir, r.to), r.out) << r.in.toStdString();
}

TEST_F(BoardFileCommands, SavingIntoAnotherFolderRelocatesEveryReferenceButTheSameFolderNone)
{
    write_file(old_dir + u"/sons/bee.wav"_s);
    write_file(old_dir + u"/doc.txt"_s);
    write_file(old_dir + u"/next.orv"_s);
    Template& t = state.tmpl;
    t.doc_file = u"DOC.TXT"_s;
    t.program = u"xterm"_s;
    t.initial_keys = u"{|SONA sons\\bee.wav}"_s;
    add_area(t, Area{.sound_file = u"SONS\\BEE.WAV"_s, .keys = u"{|TANCAR}{|sona SONS\\BEE.WAV}"_s,
                     .icon_file = u"missing.bmp"_s});
    add_area(t, Area{.keys = u"{|carrega next.orv}"_s});
    ASSERT_EQ(save_board(state, old_dir + u"/b.orv"_s, messages), SaveOutcome::Saved);
    EXPECT_EQ(t.area(2).keys, u"{|carrega next.orv}"_s);

    const QString target = root.path() + u"/Board.ORV"_s;
    ASSERT_EQ(save_board(state, target, messages), SaveOutcome::Saved);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    EXPECT_EQ((QStringList{t.directory, t.file_name, t.doc_file, t.program, t.initial_keys, t.area(1).sound_file,
                           t.area(1).keys, t.area(1).icon_file, t.area(2).keys}),
              (QStringList{root.path(), target, u"old/doc.txt"_s, u"xterm"_s, u"{|SONA old/sons/bee.wav}"_s,
                           u"old/sons/bee.wav"_s, u"{|TANCAR}{|SONA old/sons/bee.wav}"_s, u"missing.bmp"_s,
                           u"{|CARREGA old/next.orv}"_s}));
    EXPECT_EQ(t.modified, 0);
    EXPECT_FALSE(t.file_time.isEmpty());
    // The written file holds the relocated board.
    Template back;
    ASSERT_EQ(load_template(back, target, messages), LoadOutcome::Read);
    EXPECT_EQ(back.area(1).keys, t.area(1).keys);
}

TEST_F(BoardFileCommands, NamesAndCoversOfSavedBoards)
{
    EXPECT_EQ(with_default_extension(u"/d/BOARD"_s), u"/d/BOARD.ORV"_s);
    EXPECT_EQ(with_default_extension(u"/d/board"_s), u"/d/board.orv"_s);
    EXPECT_EQ(with_default_extension(u"/d/board.txt"_s), u"/d/board.txt"_s);
    EXPECT_EQ(cover_for_board_without_cover(u"/d/MY.BOARD.ORV"_s), u"MY.BMP"_s);
    EXPECT_EQ(cover_for_board_without_cover(u"/d/my.orv"_s), u"my.bmp"_s);

    // Only names ending in .orv are saved; a refused save leaves the board as it was.
    Template& t = state.tmpl;
    t.modified = -1;
    EXPECT_EQ(save_board(state, new_dir + u"/board.txt"_s, messages), SaveOutcome::NotSaved);
    EXPECT_EQ(save_board(state, QString(), messages), SaveOutcome::NotSaved);
    EXPECT_FALSE(QFileInfo::exists(new_dir + u"/board.txt"_s));
    EXPECT_EQ(t.modified, -1);
    EXPECT_EQ(t.directory, old_dir);
    // A failed save shows error 76 in message 6 and keeps the old name.
    EXPECT_EQ(save_board(state, new_dir + u"/gone/B.ORV"_s, messages), SaveOutcome::Failed);
    EXPECT_EQ(messages.texts, QStringList{u"6 Error76"_s});
    EXPECT_EQ(t.file_name, kUnnamedTemplate);

    // A board without a cover names one only when the cover is drawn as it is saved, and
    // never the name of a picture that is already there.
    t = Template{.directory = old_dir};
    ASSERT_EQ(save_board(state, new_dir + u"/MY.BOARD.ORV"_s, messages), SaveOutcome::Saved);
    EXPECT_TRUE(t.cover_file.isEmpty());
    write_file(new_dir + u"/MY.BMP"_s, "someone's picture");
    t.auto_cover = 1;
    QStringList drawn;
    SaveActions draw{[&](Template& board) { drawn << board.cover_file; }};
    ASSERT_EQ(save_board(state, new_dir + u"/MY.BOARD.ORV"_s, messages, draw), SaveOutcome::Saved);
    EXPECT_EQ(drawn, QStringList{u"MY-2.BMP"_s});
    EXPECT_TRUE(read_file(new_dir + u"/MY.BOARD.ORV"_s).startsWith(" 2 \r\n 1 \r\nMY-2.BMP\r\n"));

    // Saving under a new name copies the cover after it, to a free name when another
    // picture already has that one; a cover that is not there keeps its name.
    write_file(old_dir + u"/x.bmp"_s, "BMcover");
    write_file(new_dir + u"/CASA.bmp"_s, "BMhouse");
    t = Template{.file_name = old_dir + u"/first.ORV"_s, .directory = old_dir, .cover_file = u"X.BMP"_s};
    ASSERT_EQ(save_board(state, new_dir + u"/BOARD.ORV"_s, messages), SaveOutcome::Saved);
    EXPECT_EQ(t.cover_file, u"BOARD.bmp"_s);
    EXPECT_EQ(read_file(new_dir + u"/BOARD.bmp"_s), QByteArray("BMcover"));
    ASSERT_EQ(save_board(state, new_dir + u"/CASA.ORV"_s, messages), SaveOutcome::Saved);
    EXPECT_EQ(t.cover_file, u"CASA-2.bmp"_s);
    EXPECT_EQ(read_file(new_dir + u"/CASA.bmp"_s), QByteArray("BMhouse"));
    EXPECT_EQ(read_file(new_dir + u"/CASA-2.bmp"_s), QByteArray("BMcover"));
    t.cover_file = u"gone.bmp"_s;
    ASSERT_EQ(save_board(state, new_dir + u"/OTHER.ORV"_s, messages), SaveOutcome::Saved);
    EXPECT_EQ(t.cover_file, u"gone.bmp"_s);
    EXPECT_FALSE(QFileInfo::exists(new_dir + u"/OTHER.bmp"_s));

    // Characters the file cannot hold are warned about once.
    add_area(t, Area{.keys = u"日本語"_s, .icon_file = u"Ω.bmp"_s});
    messages.texts.clear();
    ASSERT_EQ(save_board(state, new_dir + u"/u.ORV"_s, messages), SaveOutcome::Saved);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(u"\"?\""_s));

    // The dialogs start in the saved board's folder; a board never saved starts at home.
    EXPECT_EQ(dialog_start_folder(t), new_dir);
    EXPECT_TRUE(dialog_start_folder(Template{.directory = old_dir}).startsWith(QDir::homePath()));
}

TEST_F(BoardFileCommands, AskSaveChangesOnlyWhenModifiedAndOpenIgnoresShortAndWildcardNames)
{
    int saves = 0;
    auto save = [&] { ++saves; };
    EXPECT_FALSE(ask_save_changes(state.tmpl, messages, save));
    EXPECT_TRUE(messages.texts.isEmpty());
    state.tmpl.modified = -1;
    EXPECT_FALSE(ask_save_changes(state.tmpl, messages, save));
    EXPECT_EQ(messages.texts, QStringList{u"El fitxer ha estat modificat. Voleu enregistrar-lo?"_s});
    EXPECT_EQ(messages.titles, QStringList{u"Orvel"_s});
    EXPECT_EQ(saves, 0);
    messages.answer_yes = true;
    EXPECT_TRUE(ask_save_changes(state.tmpl, messages, save));
    EXPECT_EQ(saves, 1);

    EXPECT_EQ(open_board(state, u"a.or"_s, messages), LoadOutcome::NothingToLoad);
    EXPECT_EQ(open_board(state, u"*.ORV"_s, messages), LoadOutcome::NothingToLoad);
    EXPECT_EQ(open_board(state, new_dir + u"/none.ORV"_s, messages), LoadOutcome::Missing);
    EXPECT_EQ(state.tmpl.directory, old_dir);
    ASSERT_TRUE(write_template(Template{}, new_dir + u"/ok.ORV"_s));
    EXPECT_EQ(open_board(state, new_dir + u"/ok.ORV"_s, messages), LoadOutcome::Read);
    EXPECT_EQ(state.tmpl.directory, new_dir);
}

TEST_F(BoardFileCommands, NewBoardResetsAndUndoRightAfterRestoresAnEmptyBoard)
{
    Template& t = state.tmpl;
    add_area(t, Area{});
    t.global_data_on_new = t.tts_language = 1;
    t.tts_speed = 150;
    t.modified = -1;
    int dialogs = 0, saves = 0;
    messages.answer_yes = true;
    NewBoardActions actions;
    actions.save = [&] { ++saves; };
    actions.open_global_data = [&] { ++dialogs; };
    new_board(state, messages, actions);
    // No engine: the speech settings stay.
    EXPECT_EQ((std::vector<int>{saves, dialogs, t.area_count, t.format_minor, t.global_data_on_new, t.modified,
                                t.tts_language, t.tts_speed}),
              (std::vector<int>{1, 1, 0, 2, 1, 0, 1, 150}));
    EXPECT_TRUE(QFileInfo::exists(snapshot_file(state.folders)));
    // Draw something, then undo.
    add_area(t, Area{});
    messages.texts.clear();
    ASSERT_TRUE(copia_seguretat(state, 2, messages));
    EXPECT_EQ(t.area_count, 0);
    EXPECT_EQ(t.file_name, kUnnamedTemplate);
    EXPECT_EQ(t.directory, old_dir);
    EXPECT_TRUE(messages.texts.isEmpty());
    // With the engine present the speech settings are reset; a board that did not ask for
    // the dialog does not open it.
    t.global_data_on_new = 0;
    t.tts_language = 1;
    actions.speech_engine_present = true;
    new_board(state, messages, actions);
    EXPECT_EQ((std::vector<int>{t.tts_language, t.tts_voice, t.tts_speed, dialogs}), (std::vector<int>{0, 0, 100, 1}));
}

TEST_F(BoardFileCommands, UndoRestoresTheSnapshotAndKeepsTheBoardsFolderAndName)
{
    write_file(old_dir + u"/cover.bmp"_s);
    Template& t = state.tmpl;
    t.cover_file = u"cover.bmp"_s;
    add_area(t, Area{.keys = u"first"_s});
    t.file_name = old_dir + u"/b.ORV"_s;
    ASSERT_TRUE(copia_seguretat(state, 1, messages));
    add_area(t, Area{.keys = u"second"_s});
    ASSERT_TRUE(copia_seguretat(state, 2, messages));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();  // cover found
    ASSERT_EQ(t.area_count, 1);
    EXPECT_EQ(t.area(1).keys, u"first"_s);
    EXPECT_EQ((QStringList{t.file_name, t.directory}), (QStringList{old_dir + u"/b.ORV"_s, old_dir}));
    EXPECT_EQ(t.modified, -1);  // differs from what was on screen
    // The snapshot is not changed: undoing again restores the same state.
    add_area(t, Area{.keys = u"third"_s});
    ASSERT_TRUE(copia_seguretat(state, 2, messages));
    EXPECT_EQ(t.area_count, 1);
}
