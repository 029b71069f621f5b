// The "Fitxers" menu logic and undo (Part 1.2): relocation on save, cover naming, the
// save, open, new and exit questions, and the undo snapshot.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "model/board_file_commands.h"
#include "model/orvel_state.h"
#include "model/template_file.h"
#include "support/recording_messages.h"

using namespace orvel;
using orvel::testing::RecordingMessages;

namespace {

void touch(const QString& path, const QByteArray& bytes = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

QByteArray read_bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class BoardFileCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        saved_cwd = QDir::currentPath();
        old_dir = root.path() + QStringLiteral("/old");
        new_dir = root.path() + QStringLiteral("/new");
        QDir().mkpath(old_dir);
        QDir().mkpath(new_dir);
        state.folders.state = root.path() + QStringLiteral("/state");
        state.folders.program = root.path() + QStringLiteral("/program");
        state.tmpl.directory = old_dir;
    }
    void TearDown() override { QDir::setCurrent(saved_cwd); }

    QTemporaryDir root;
    QString saved_cwd;
    QString old_dir;
    QString new_dir;
    OrvelState state;
    RecordingMessages messages;
};

}  // namespace

TEST_F(BoardFileCommands, ReferenceToAnExistingFileBecomesRelativeToTheNewFolderOrFull)
{
    touch(old_dir + QStringLiteral("/sons/bee.wav"));
    // The new folder does not contain it: the full name.
    EXPECT_EQ(relocate_reference(QStringLiteral("SONS\\BEE.WAV"), old_dir, new_dir),
              old_dir + QStringLiteral("/sons/bee.wav"));
    // The new folder contains it: relative to it.
    EXPECT_EQ(relocate_reference(QStringLiteral("SONS\\BEE.WAV"), old_dir, root.path()),
              QStringLiteral("old/sons/bee.wav"));
    // A file that does not exist, and an empty name, stay as written.
    EXPECT_EQ(relocate_reference(QStringLiteral("SONS\\NONE.WAV"), old_dir, new_dir), QStringLiteral("SONS\\NONE.WAV"));
    EXPECT_EQ(relocate_reference(QString(), old_dir, new_dir), QString());
    // A text to speak is not a file: unchanged.
    EXPECT_EQ(relocate_reference(QStringLiteral("Bon dia"), old_dir, new_dir), QStringLiteral("Bon dia"));
}

TEST_F(BoardFileCommands, KeyTextRelocationTouchesOnlyFileCommands)
{
    touch(old_dir + QStringLiteral("/next.orv"));
    touch(old_dir + QStringLiteral("/text.txt"));
    const QString full_next = old_dir + QStringLiteral("/next.orv");
    EXPECT_EQ(relocate_key_text(QStringLiteral("a{|TANCAR}b"), old_dir, new_dir), QStringLiteral("a{|TANCAR}b"));
    EXPECT_EQ(relocate_key_text(QStringLiteral("{|carrega next.orv}"), old_dir, new_dir),
              QStringLiteral("{|CARREGA ") + full_next + QLatin1Char('}'));
    // A file that is not there: only the command word changes.
    EXPECT_EQ(relocate_key_text(QStringLiteral("{|carrega  other.orv  }x"), old_dir, new_dir),
              QStringLiteral("{|CARREGA other.orv}x"));
    // LLEGEIX: the switches stay, the file after "/F:" is relocated.
    EXPECT_EQ(relocate_key_text(QStringLiteral("{|Llegeix /I:c /L:1 /V:100 /F:TEXT.TXT}"), old_dir, root.path()),
              QStringLiteral("{|LLEGEIX /I:c /L:1 /V:100 /F:old/text.txt}"));
    // Aliases and commands inside a conditional.
    EXPECT_EQ(relocate_key_text(QStringLiteral("{|SIM 1 {{|carga next.orv}} {x}}"), old_dir, new_dir),
              QStringLiteral("{|SIM 1 {{|CARGA ") + full_next + QStringLiteral("}} {x}}"));
    // Commands without an argument and unclosed commands are left alone.
    EXPECT_EQ(relocate_key_text(QStringLiteral("{|CM}{|sona next.orv"), old_dir, new_dir),
              QStringLiteral("{|CM}{|sona next.orv"));
}

TEST_F(BoardFileCommands, SavingIntoAnotherFolderRelocatesEveryReference)
{
    touch(old_dir + QStringLiteral("/sons/bee.wav"));
    touch(old_dir + QStringLiteral("/doc.txt"));
    Template& t = state.tmpl;
    t.doc_file = QStringLiteral("DOC.TXT");
    t.program = QStringLiteral("xterm");
    t.initial_keys = QStringLiteral("{|SONA sons\\bee.wav}");
    Area a;
    a.sound_file = QStringLiteral("SONS\\BEE.WAV");
    a.keys = QStringLiteral("{|TANCAR}{|sona SONS\\BEE.WAV}");
    a.icon_file = QStringLiteral("missing.bmp");
    add_area(t, a);
    const QString target = root.path() + QStringLiteral("/Board.ORV");
    ASSERT_EQ(save_board(state, target, messages), SaveOutcome::Saved);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    EXPECT_EQ(t.directory, root.path());
    EXPECT_EQ(t.doc_file, QStringLiteral("old/doc.txt"));
    EXPECT_EQ(t.program, QStringLiteral("xterm"));
    EXPECT_EQ(t.initial_keys, QStringLiteral("{|SONA old/sons/bee.wav}"));
    EXPECT_EQ(t.area(1).sound_file, QStringLiteral("old/sons/bee.wav"));
    EXPECT_EQ(t.area(1).keys, QStringLiteral("{|TANCAR}{|SONA old/sons/bee.wav}"));
    EXPECT_EQ(t.area(1).icon_file, QStringLiteral("missing.bmp"));
    EXPECT_EQ(t.file_name, target);
    EXPECT_EQ(t.modified, 0);
    EXPECT_FALSE(t.file_time.isEmpty());
    // The written file holds the relocated board.
    Template back;
    ASSERT_EQ(load_template(back, target, messages), LoadOutcome::Read);
    EXPECT_EQ(back.area(1).keys, t.area(1).keys);
}

TEST_F(BoardFileCommands, SavingIntoTheSameFolderChangesNoKeyText)
{
    touch(old_dir + QStringLiteral("/next.orv"));
    Area a;
    a.keys = QStringLiteral("{|carrega next.orv}");
    add_area(state.tmpl, a);
    ASSERT_EQ(save_board(state, old_dir + QStringLiteral("/b.orv"), messages), SaveOutcome::Saved);
    EXPECT_EQ(state.tmpl.area(1).keys, QStringLiteral("{|carrega next.orv}"));
}

TEST_F(BoardFileCommands, BoardWithoutCoverGetsACoverNamedAfterIt)
{
    EXPECT_EQ(cover_for_board_without_cover(QStringLiteral("/d/MY.BOARD.ORV")), QStringLiteral("MY.BMP"));
    EXPECT_EQ(cover_for_board_without_cover(QStringLiteral("/d/my.orv")), QStringLiteral("my.bmp"));
    ASSERT_EQ(save_board(state, new_dir + QStringLiteral("/MY.BOARD.ORV"), messages), SaveOutcome::Saved);
    EXPECT_EQ(state.tmpl.cover_file, QStringLiteral("MY.BMP"));
    EXPECT_TRUE(read_bytes(new_dir + QStringLiteral("/MY.BOARD.ORV")).startsWith(" 2 \r\n 1 \r\nMY.BMP\r\n"));
}

TEST_F(BoardFileCommands, SavingUnderANewNameCopiesTheCover)
{
    touch(old_dir + QStringLiteral("/x.bmp"), "BMcover");
    Template& t = state.tmpl;
    t.cover_file = QStringLiteral("X.BMP");
    t.file_name = old_dir + QStringLiteral("/first.ORV");
    ASSERT_EQ(save_board(state, new_dir + QStringLiteral("/BOARD.ORV"), messages), SaveOutcome::Saved);
    // The old cover's last three characters, as found on disk after relocation.
    EXPECT_EQ(t.cover_file, QStringLiteral("BOARD.bmp"));
    EXPECT_EQ(read_bytes(new_dir + QStringLiteral("/BOARD.bmp")), QByteArray("BMcover"));
    EXPECT_EQ(read_bytes(old_dir + QStringLiteral("/x.bmp")), QByteArray("BMcover"));
    EXPECT_EQ(renamed_cover(QStringLiteral("C:\\DOCS\\BOARD.ORV"), QStringLiteral("X.BMP")),
              QStringLiteral("C:\\DOCS\\BOARD.BMP"));
}

TEST_F(BoardFileCommands, OnlyOrvNamesAreSavedAndTheDefaultExtensionIsAdded)
{
    EXPECT_EQ(with_default_extension(QStringLiteral("/d/BOARD")), QStringLiteral("/d/BOARD.ORV"));
    EXPECT_EQ(with_default_extension(QStringLiteral("/d/board")), QStringLiteral("/d/board.orv"));
    EXPECT_EQ(with_default_extension(QStringLiteral("/d/board.txt")), QStringLiteral("/d/board.txt"));
    state.tmpl.modified = -1;
    EXPECT_EQ(save_board(state, new_dir + QStringLiteral("/board.txt"), messages), SaveOutcome::NotSaved);
    EXPECT_EQ(save_board(state, QString(), messages), SaveOutcome::NotSaved);
    EXPECT_FALSE(QFileInfo::exists(new_dir + QStringLiteral("/board.txt")));
    EXPECT_EQ(state.tmpl.directory, old_dir);
    EXPECT_EQ(state.tmpl.modified, -1);
}

TEST_F(BoardFileCommands, FailedSaveShowsSixErrorAndKeepsTheOldFile)
{
    const QString target = new_dir + QStringLiteral("/gone/B.ORV");
    EXPECT_EQ(save_board(state, target, messages), SaveOutcome::Failed);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0], QStringLiteral("6 Error76"));
    EXPECT_EQ(state.tmpl.file_name, kUnnamedTemplate);
}

TEST_F(BoardFileCommands, SaveWarnsOnceAboutCharactersTheFileCannotHold)
{
    Area a;
    a.keys = QStringLiteral("日本語");
    a.icon_file = QStringLiteral("Ω.bmp");
    add_area(state.tmpl, a);
    ASSERT_EQ(save_board(state, old_dir + QStringLiteral("/u.ORV"), messages), SaveOutcome::Saved);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("\"?\"")));
}

TEST_F(BoardFileCommands, AskSaveChangesOnlyWhenModified)
{
    int saves = 0;
    auto save = [&] { ++saves; };
    state.tmpl.modified = 0;
    EXPECT_FALSE(ask_save_changes(state.tmpl, messages, save));
    EXPECT_TRUE(messages.texts.isEmpty());
    state.tmpl.modified = -1;
    messages.answer_yes = false;
    EXPECT_FALSE(ask_save_changes(state.tmpl, messages, save));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0], QStringLiteral("El fitxer ha estat modificat. Voleu enregistrar-lo?"));
    EXPECT_EQ(messages.titles[0], QStringLiteral("Orvel"));
    EXPECT_EQ(saves, 0);
    messages.answer_yes = true;
    EXPECT_TRUE(ask_save_changes(state.tmpl, messages, save));
    EXPECT_EQ(saves, 1);
}

TEST_F(BoardFileCommands, NewBoardResetsAndUndoRightAfterRestoresAnEmptyBoard)
{
    Template& t = state.tmpl;
    add_area(t, Area{});
    t.global_data_on_new = 1;
    t.tts_language = 1;
    t.tts_speed = 150;
    t.modified = -1;
    int dialogs = 0;
    int saves = 0;
    messages.answer_yes = true;
    NewBoardActions actions;
    actions.save = [&] { ++saves; };
    actions.open_global_data = [&] { ++dialogs; };
    actions.speech_engine_present = false;
    new_board(state, messages, actions);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(t.area_count, 0);
    EXPECT_EQ(t.format_minor, 2);
    EXPECT_EQ(t.global_data_on_new, 1);
    EXPECT_EQ(t.modified, 0);
    EXPECT_EQ(t.tts_language, 1);  // no engine: the speech settings stay
    EXPECT_EQ(t.tts_speed, 150);
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
    EXPECT_EQ(t.tts_language, 0);
    EXPECT_EQ(t.tts_voice, 0);
    EXPECT_EQ(t.tts_speed, 100);
    EXPECT_EQ(dialogs, 1);
}

TEST_F(BoardFileCommands, UndoRestoresTheSnapshotAndKeepsTheBoardsFolderAndName)
{
    touch(old_dir + QStringLiteral("/cover.bmp"));
    Template& t = state.tmpl;
    t.cover_file = QStringLiteral("cover.bmp");
    Area a;
    a.keys = QStringLiteral("first");
    add_area(t, a);
    t.file_name = old_dir + QStringLiteral("/b.ORV");
    t.modified = 0;
    ASSERT_TRUE(copia_seguretat(state, 1, messages));
    a.keys = QStringLiteral("second");
    add_area(t, a);
    ASSERT_TRUE(copia_seguretat(state, 2, messages));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();  // cover found in the board's folder
    ASSERT_EQ(t.area_count, 1);
    EXPECT_EQ(t.area(1).keys, QStringLiteral("first"));
    EXPECT_EQ(t.file_name, old_dir + QStringLiteral("/b.ORV"));
    EXPECT_EQ(t.directory, old_dir);
    EXPECT_EQ(t.modified, -1);  // differs from what was on screen
    // The snapshot is not changed: undoing again restores the same state.
    ASSERT_TRUE(copia_seguretat(state, 2, messages));
    EXPECT_EQ(t.area_count, 1);
}

TEST_F(BoardFileCommands, OpenIgnoresShortAndWildcardNames)
{
    EXPECT_EQ(open_board(state, QStringLiteral("a.or"), messages), LoadOutcome::NothingToLoad);
    EXPECT_EQ(open_board(state, QStringLiteral("*.ORV"), messages), LoadOutcome::NothingToLoad);
    ASSERT_TRUE(write_template(Template{}, new_dir + QStringLiteral("/ok.ORV")));
    EXPECT_EQ(open_board(state, new_dir + QStringLiteral("/ok.ORV"), messages), LoadOutcome::Read);
    EXPECT_EQ(state.tmpl.directory, new_dir);
}
