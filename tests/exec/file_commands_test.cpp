// CARREGA, SONA and ENGANXA over recording fakes: where names resolve, what the
// user is told when a file is missing, the order in which the board window is
// asked to change, and what reaches the sound output and the clipboard.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "support/event_log.h"
#include "exec/exec_context.h"
#include "exec/file_commands.h"
#include "support/fake_clipboard.h"
#include "support/fake_sound.h"
#include "model/template_file.h"
#include "platform/message_boxes.h"

namespace orvel {
namespace {

using testing::EventLog;
using testing::FakeClipboard;
using testing::FakeSound;

// The board window's side of the commands, written into the shared log.
class LoggingHooks : public RunModeHooks {
public:
    explicit LoggingHooks(EventLog& log) : log_(log) {}
    void hide_highlight() override { log_.add(QStringLiteral("hide-highlight")); }
    void layout_board_window() override { log_.add(QStringLiteral("layout")); }
    void place_target_window(int64_t window) override { log_.add(QStringLiteral("place-target:%1").arg(window)); }
    void set_board_topmost(bool on) override { log_.add(QStringLiteral("topmost:%1").arg(on)); }
    void repaint_board() override { log_.add(QStringLiteral("repaint")); }

private:
    EventLog& log_;
};

class LoggingMessages : public MessageBoxes {
public:
    explicit LoggingMessages(EventLog& log) : log_(log) {}
    void show(const QString& text, const QString&, MessageIcon) override
    {
        log_.add(QStringLiteral("message:") + text);
        texts << text;
    }
    bool ask_yes_no(const QString& text, const QString&) override
    {
        show(text, QString(), MessageIcon::Question);
        return false;
    }
    QStringList texts;

private:
    EventLog& log_;
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
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QString not_found(const QString& full_name) const
    {
        return QStringLiteral("Orvel no troba el fitxer \r") + full_name;
    }

    QTemporaryDir folder;
    EventLog log;
    OrvelState state;
    Services services;
    LoggingHooks hooks{log};
    LoggingMessages messages{log};
    FakeSound sound;
    FakeClipboard clipboard;
    ExecContext ctx{state, services, hooks};
};

TEST_F(FileCommandsTest, NamesResolveAgainstTheBoardFolderUnlessAbsolute)
{
    const QString bee = make_file(QStringLiteral("sons/bee.wav"));
    EXPECT_EQ(resolve_in_template_folder(ctx, QStringLiteral("SONS\\BEE.WAV")), bee);
    EXPECT_EQ(resolve_in_template_folder(ctx, QStringLiteral("\\sons\\bee.wav")), bee);
    // Absolute names ignore the board's folder; a drive letter stands for "/".
    EXPECT_EQ(resolve_in_template_folder(ctx, bee), bee);
    EXPECT_EQ(resolve_in_template_folder(ctx, QStringLiteral("C:\\NO\\SUCH.WAV")), QStringLiteral("/NO/SUCH.WAV"));
    EXPECT_EQ(resolve_in_template_folder(ctx, QStringLiteral("FALTA.WAV")), folder.filePath(QStringLiteral("FALTA.WAV")));
}

TEST_F(FileCommandsTest, MissingFileIsReportedWithTheBoardOnTop)
{
    const QString present = make_file(QStringLiteral("A.TXT"));
    EXPECT_TRUE(file_exists_or_warn(ctx, present));
    EXPECT_TRUE(log.entries.isEmpty());

    const QString missing = folder.filePath(QStringLiteral("B.TXT"));
    EXPECT_FALSE(file_exists_or_warn(ctx, missing));
    EXPECT_EQ(log.entries, (QStringList{QStringLiteral("topmost:1"), QStringLiteral("message:") + not_found(missing),
                                        QStringLiteral("topmost:0")}));

    // A folder is not a file.
    EXPECT_FALSE(file_exists_or_warn(ctx, folder.path()));
}

TEST_F(FileCommandsTest, CarregaLoadsTheBoardAndResetsScanningButKeepsTheTarget)
{
    Template next;
    next.program = QStringLiteral("xterm");
    next.initial_keys = QStringLiteral("hola{ENTER}");
    Area root;
    root.Xf = 100;
    root.Yf = 80;
    ASSERT_TRUE(add_area(next, root));
    ASSERT_TRUE(add_area(next, root));
    QDir().mkpath(folder.filePath(QStringLiteral("altres")));
    ASSERT_TRUE(write_template(next, folder.filePath(QStringLiteral("altres/seguent.orv"))));

    state.cursor = 5;
    state.scan_level = 3;
    state.run_current_area = 7;
    state.target_window = 42;
    state.target_stack = QStringLiteral("2A ");
    const QString previous_folder = QDir::currentPath();

    load_command(ctx, QStringLiteral("  ALTRES\\SEGUENT.ORV "));

    const QString board_folder = folder.filePath(QStringLiteral("altres"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(log.entries, (QStringList{QStringLiteral("hide-highlight"), QStringLiteral("layout"),
                                        QStringLiteral("place-target:42"), QStringLiteral("repaint")}));
    EXPECT_EQ(state.tmpl.area_count, 2);
    EXPECT_EQ(state.tmpl.directory, board_folder);
    EXPECT_EQ(QDir::currentPath(), QDir(board_folder).canonicalPath());
    EXPECT_EQ(state.cursor, 0);
    EXPECT_EQ(state.scan_level, 1);
    EXPECT_EQ(state.run_current_area, -1);
    // Start-up actions do not run: the target and its stack stay the previous board's.
    EXPECT_EQ(state.target_window, 42);
    EXPECT_EQ(state.target_stack, QStringLiteral("2A "));
    QDir::setCurrent(previous_folder);
}

TEST_F(FileCommandsTest, CarregaOfAMissingBoardChangesNothing)
{
    state.tmpl.area_count = 0;
    state.cursor = 4;
    state.scan_level = 2;
    const QString directory_before = state.tmpl.directory;

    load_command(ctx, QStringLiteral("NOEXISTE.ORV"));

    EXPECT_EQ(log.entries, (QStringList{QStringLiteral("hide-highlight"), QStringLiteral("topmost:1"),
                                        QStringLiteral("message:") + not_found(folder.filePath(QStringLiteral("NOEXISTE.ORV"))),
                                        QStringLiteral("topmost:0")}));
    EXPECT_EQ(state.tmpl.directory, directory_before);
    EXPECT_EQ(state.cursor, 4);
    EXPECT_EQ(state.scan_level, 2);
}

TEST_F(FileCommandsTest, SonaPlaysOnlyEndingsWrittenInCapitals)
{
    const QString beep = make_file(QStringLiteral("BEEP.WAV"));
    const QString bee = make_file(QStringLiteral("sons/bee.wav"));
    const QString lower = make_file(QStringLiteral("a.wav"));
    const QString song = make_file(QStringLiteral("M.MID"));
    const QString other = make_file(QStringLiteral("N.MID"));

    sound_command(ctx, QStringLiteral(" BEEP.WAV "));
    sound_command(ctx, QStringLiteral("SONS\\BEE.WAV"));  // found in lower case on disk
    sound_command(ctx, QStringLiteral("a.wav"));          // exists, plays nothing, says nothing
    sound_command(ctx, QStringLiteral("BEEP.Wav"));
    sound_command(ctx, lower);
    EXPECT_EQ(sound.calls, (QStringList{QStringLiteral("wave ") + beep, QStringLiteral("wave ") + bee}));
    EXPECT_TRUE(messages.texts.isEmpty());

    // A second piece of music stops the first; a wave stops the music too.
    sound.calls.clear();
    sound_command(ctx, QStringLiteral("M.MID"));
    sound_command(ctx, QStringLiteral("N.MID"));
    EXPECT_EQ(state.open_midi, other);
    sound_command(ctx, beep);
    EXPECT_EQ(sound.calls, (QStringList{QStringLiteral("midi ") + song, QStringLiteral("stop"),
                                        QStringLiteral("midi ") + other, QStringLiteral("stop"),
                                        QStringLiteral("wave ") + beep}));
    EXPECT_TRUE(state.open_midi.isEmpty());

    sound.calls.clear();
    sound_command(ctx, QStringLiteral("FALTA.WAV"));
    EXPECT_TRUE(sound.calls.isEmpty());
    EXPECT_EQ(messages.texts, QStringList{not_found(folder.filePath(QStringLiteral("FALTA.WAV")))});
}

TEST_F(FileCommandsTest, EnganxaPutsTextAndPicturesOnTheClipboard)
{
    make_file(QStringLiteral("NOTA.TXT"), QByteArrayLiteral("Bon dia, m\xc3\xb3n"));
    make_file(QStringLiteral("VELL.TXT"), QByteArrayLiteral("Adi\xf3s"));  // Windows-1252
    QImage picture(12, 7, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("foto.jpg")), "JPG"));
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("DIBUIX.BMP")), "BMP"));

    paste_command(ctx, QStringLiteral("NOTA.TXT"));
    EXPECT_EQ(clipboard.content, QStringLiteral("Bon dia, món"));
    paste_command(ctx, QStringLiteral("VELL.TXT"));
    EXPECT_EQ(clipboard.content, QStringLiteral("Adiós"));

    paste_command(ctx, QStringLiteral("FOTO.JPG"));  // the kind is taken in capitals
    EXPECT_EQ(clipboard.image.size(), QSize(12, 7));
    paste_command(ctx, QStringLiteral("DIBUIX.BMP"));
    EXPECT_EQ(clipboard.image.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(clipboard.clears, 4);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(FileCommandsTest, EnganxaLeavesTheClipboardEmptyForWhatItCannotRead)
{
    make_file(QStringLiteral("DIBUIX.WMF"), QByteArrayLiteral("\xd7\xcd\xc6\x9a garbage"));
    make_file(QStringLiteral("TRENCAT.JPG"), QByteArrayLiteral("not a picture at all"));
    make_file(QStringLiteral("DADES.DOC"), QByteArrayLiteral("text"));
    for (const QString& name : {QStringLiteral("DIBUIX.WMF"), QStringLiteral("TRENCAT.JPG"), QStringLiteral("DADES.DOC")}) {
        clipboard.set_text(QStringLiteral("abans"));
        paste_command(ctx, name);
        EXPECT_TRUE(clipboard.content.isEmpty()) << name.toStdString();
        EXPECT_TRUE(clipboard.image.isNull()) << name.toStdString();
    }
    EXPECT_TRUE(messages.texts.isEmpty());

    // A missing file: the clipboard is cleared before the message.
    log.entries.clear();
    paste_command(ctx, QStringLiteral("FALTA.TXT"));
    EXPECT_EQ(log.entries, (QStringList{QStringLiteral("clipboard-clear"), QStringLiteral("topmost:1"),
                                        QStringLiteral("message:") + not_found(folder.filePath(QStringLiteral("FALTA.TXT"))),
                                        QStringLiteral("topmost:0")}));
}

}  // namespace
}  // namespace orvel
