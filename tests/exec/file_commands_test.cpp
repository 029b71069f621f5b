// CARREGA, SONA and ENGANXA over recording fakes: where names resolve, what the
// user is told when a file is missing, the order in which the board window is
// asked to change, and what reaches the sound output and the clipboard.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "exec/exec_context.h"
#include "exec/file_commands.h"
#include "model/template_file.h"
#include "platform/message_boxes.h"
#include "support/event_log.h"
#include "support/test_files.h"
#include "support/fake_clipboard.h"
#include "support/fake_sound.h"

namespace orvel {
namespace {

using testing::EventLog;

// The board window's side of the commands, written into the shared log.
struct LoggingHooks : RunModeHooks {
    explicit LoggingHooks(EventLog& l) : log(l) {}
    void hide_highlight() override { log.add("hide-highlight"); }
    void layout_board_window() override { log.add("layout"); }
    void place_target_window(int64_t window) override { log.add(QString("place-target:%1").arg(window)); }
    void set_board_topmost(bool on) override { log.add(QString("topmost:%1").arg(on)); }
    void repaint_board() override { log.add("repaint"); }
    EventLog& log;
};

struct LoggingMessages : MessageBoxes {
    explicit LoggingMessages(EventLog& l) : log(l) {}
    void show(const QString& text, const QString&, MessageIcon) override
    {
        log.add("message:" + text);
        texts << text;
    }
    bool ask_yes_no(const QString& text, const QString&) override { return show(text, {}, MessageIcon::Question), false; }
    EventLog& log;
    QStringList texts;
};

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest()
    {
        clipboard.log = &log;
        services.messages = &messages;
        services.sound = &sound;
        services.clipboard = &clipboard;
        state.tmpl.directory = folder.path();
    }

    QString make_file(const QString& relative, const QByteArray& content = "x")
    {
        const QString path = folder.filePath(relative);
        orvel::testing::write_file(path, content);
        return path;
    }

    // What is shown for a name missing from the board's folder.
    QString not_found(const QString& name) const { return "Orvel no troba el fitxer \r" + folder.filePath(name); }
    // The log of a warning for a missing file: shown with the board on top.
    QStringList warning(const QString& name) const { return {"topmost:1", "message:" + not_found(name), "topmost:0"}; }

    QTemporaryDir folder;
    EventLog log;
    OrvelState state;
    Services services;
    LoggingHooks hooks{log};
    LoggingMessages messages{log};
    testing::FakeSound sound;
    testing::FakeClipboard clipboard;
    ExecContext ctx{state, services, hooks};
};

TEST_F(FileCommandsTest, NamesResolveAgainstTheBoardFolderAndMissingFilesAreReported)
{
    const QString bee = make_file("sons/bee.wav");
    EXPECT_EQ(resolve_in_template_folder(ctx, "SONS\\BEE.WAV"), bee);
    EXPECT_EQ(resolve_in_template_folder(ctx, "\\sons\\bee.wav"), bee);
    // Absolute names ignore the board's folder; a drive letter stands for "/".
    EXPECT_EQ(resolve_in_template_folder(ctx, bee), bee);
    EXPECT_EQ(resolve_in_template_folder(ctx, "C:\\NO\\SUCH.WAV"), "/NO/SUCH.WAV");
    EXPECT_EQ(resolve_in_template_folder(ctx, "FALTA.WAV"), folder.filePath("FALTA.WAV"));

    EXPECT_TRUE(file_exists_or_warn(ctx, bee));
    EXPECT_TRUE(log.entries.isEmpty());
    EXPECT_FALSE(file_exists_or_warn(ctx, folder.filePath("B.TXT")));
    EXPECT_EQ(log.entries, warning("B.TXT"));
    EXPECT_FALSE(file_exists_or_warn(ctx, folder.path()));  // a folder is not a file
}

TEST_F(FileCommandsTest, CarregaLoadsTheBoardAndResetsScanningButKeepsTheTarget)
{
    // A missing board changes nothing.
    state.cursor = 4;
    state.scan_level = 2;
    load_command(ctx, "NOEXISTE.ORV");
    EXPECT_EQ(log.entries, QStringList{"hide-highlight"} + warning("NOEXISTE.ORV"));
    EXPECT_EQ(state.tmpl.directory, folder.path());
    EXPECT_EQ(state.cursor, 4);
    EXPECT_EQ(state.scan_level, 2);

    Template next;
    next.program = "xterm";
    next.initial_keys = "hola{ENTER}";
    Area root;
    root.Xf = 100;
    root.Yf = 80;
    ASSERT_TRUE(add_area(next, root) && add_area(next, root));
    QDir().mkpath(folder.filePath("altres"));
    ASSERT_TRUE(write_template(next, folder.filePath("altres/seguent.orv")));
    state.run_current_area = 7;
    state.target_window = 42;
    state.target_stack = "2A ";
    const QString previous_folder = QDir::currentPath();

    // A file that is not a board leaves the running board exactly as it was.
    state.tmpl = next;
    state.tmpl.directory = folder.path();
    make_file("NOTES.TXT", "a letter\r\n");
    make_file("CARTA.ORV", "Benvolguda,\r\nuna carta\r\n");
    for (const char* name : {"NOTES.TXT", "CARTA.ORV"}) {
        log.entries.clear();
        load_command(ctx, name);
        EXPECT_EQ(log.entries.value(0), "hide-highlight") << name;
        EXPECT_FALSE(log.entries.contains("layout")) << name;
        EXPECT_EQ(template_bytes(state.tmpl), template_bytes(next)) << name;
        EXPECT_EQ(state.tmpl.directory, folder.path());
        EXPECT_EQ(QDir::currentPath(), previous_folder);
        EXPECT_EQ(state.cursor, 4);
    }
    EXPECT_EQ(messages.texts.value(1), "Format incorrecte");
    log.entries.clear();
    messages.texts.clear();

    load_command(ctx, "  ALTRES\\SEGUENT.ORV ");
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
    EXPECT_EQ(log.entries, QStringList({"hide-highlight", "layout", "place-target:42", "repaint"}));
    EXPECT_EQ(state.tmpl.area_count, 2);
    EXPECT_EQ(state.tmpl.directory, folder.filePath("altres"));
    EXPECT_EQ(QDir::currentPath(), QDir(folder.filePath("altres")).canonicalPath());
    EXPECT_EQ(state.cursor, 0);
    EXPECT_EQ(state.scan_level, 1);
    EXPECT_EQ(state.run_current_area, -1);
    // Start-up actions do not run: the target and its stack stay the previous board's.
    EXPECT_EQ(state.target_window, 42);
    EXPECT_EQ(state.target_stack, "2A ");
    QDir::setCurrent(previous_folder);
}

TEST_F(FileCommandsTest, SonaPlaysOnlyEndingsWrittenInCapitals)
{
    const QString beep = make_file("BEEP.WAV"), bee = make_file("sons/bee.wav"), lower = make_file("a.wav");
    const QString song = make_file("M.MID"), other = make_file("N.MID");
    // Found in lower case on disk; "a.wav" exists but plays nothing and says nothing.
    for (const QString& name : QStringList{" BEEP.WAV ", "SONS\\BEE.WAV", "a.wav", "BEEP.Wav", lower})
        sound_command(ctx, name);
    EXPECT_EQ(sound.calls, QStringList({"wave " + beep, "wave " + bee}));
    EXPECT_TRUE(messages.texts.isEmpty());
    // A second piece of music stops the first; a wave stops the music too.
    sound.calls.clear();
    sound_command(ctx, "M.MID");
    sound_command(ctx, "N.MID");
    EXPECT_EQ(state.open_midi, other);
    sound_command(ctx, beep);
    EXPECT_EQ(sound.calls, QStringList({"midi " + song, "stop", "midi " + other, "stop", "wave " + beep}));
    EXPECT_TRUE(state.open_midi.isEmpty());

    sound.calls.clear();
    sound_command(ctx, "FALTA.WAV");
    EXPECT_TRUE(sound.calls.isEmpty());
    EXPECT_EQ(messages.texts, QStringList{not_found("FALTA.WAV")});
}

TEST_F(FileCommandsTest, EnganxaPutsTextAndPicturesOnTheClipboardOrLeavesItEmpty)
{
    make_file("NOTA.TXT", "Bon dia, m\xc3\xb3n");
    make_file("VELL.TXT", "Adi\xf3s");  // Windows-1252
    QImage picture(12, 7, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(folder.filePath("foto.jpg"), "JPG"));
    ASSERT_TRUE(picture.save(folder.filePath("DIBUIX.BMP"), "BMP"));

    // The kind is the name's ending in any letter case.
    paste_command(ctx, "nota.txt");
    EXPECT_EQ(clipboard.content, QString::fromUtf8("Bon dia, món"));
    paste_command(ctx, "VELL.TXT");
    EXPECT_EQ(clipboard.content, QString::fromUtf8("Adiós"));
    paste_command(ctx, "Foto.Jpg");
    EXPECT_EQ(clipboard.image.size(), QSize(12, 7));
    paste_command(ctx, "DIBUIX.BMP");
    EXPECT_EQ(clipboard.image.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(clipboard.clears, 4);
    // What cannot be read leaves the clipboard empty, silently: a device that never ends,
    // a pipe nobody writes to, a file over the 16 MB limit for files named by boards.
    make_file("DIBUIX.WMF", "\xd7\xcd\xc6\x9a garbage");
    make_file("TRENCAT.JPG", "not a picture at all");
    make_file("DADES.DOC", "text");
    ASSERT_TRUE(QFile::link("/dev/zero", folder.filePath("ZERO.TXT")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("PIPE.TXT")).constData(), 0600), 0);
    ASSERT_TRUE(QFile(make_file("BIG.TXT")).resize(16 * 1024 * 1024 + 1));
    for (const char* name : {"DIBUIX.WMF", "TRENCAT.JPG", "DADES.DOC", "ZERO.TXT", "PIPE.TXT", "BIG.TXT"}) {
        clipboard.set_text("abans");
        paste_command(ctx, name);
        EXPECT_TRUE(clipboard.content.isEmpty()) << name;
        EXPECT_TRUE(clipboard.image.isNull()) << name;
    }
    EXPECT_TRUE(messages.texts.isEmpty());
    // A missing file: the clipboard is cleared before the message.
    log.entries.clear();
    paste_command(ctx, "FALTA.TXT");
    EXPECT_EQ(log.entries, QStringList{"clipboard-clear"} + warning("FALTA.TXT"));
}

}  // namespace
}  // namespace orvel
