// Every named key reaches a real client as the key it names: an X event tester
// (xev) reports the keysym of each key press it receives, so a name that sends
// the wrong key ({END} sending Home, {F13} sending F1) is caught.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include "platform/keys/key_notation.h"
#include "platform/x11/x11_key_sender.h"
#include "platform/x11/x11_window_system.h"
#include "x_session.h"

namespace orvel {
namespace {

// The keysym names of the key presses xev wrote to its log, in order.
QStringList pressed_keysyms(const QString& log_path)
{
    QFile file(log_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    const QStringList events = QString::fromUtf8(file.readAll()).split(QStringLiteral("\n\n"));
    static const QRegularExpression keysym(QStringLiteral("keysym 0x[0-9a-f]+, ([A-Za-z0-9_]+)"));
    for (const QString& event : events) {
        if (!event.trimmed().startsWith(QLatin1String("KeyPress")))
            continue;
        const auto match = keysym.match(event);
        // A key the keymap has only on a shifted level comes with its modifier.
        static const QRegularExpression modifier(QStringLiteral("^(Shift|Control|Alt|ISO_Level[35])_"));
        if (match.hasMatch() && !modifier.match(match.captured(1)).hasMatch())
            names << match.captured(1);
    }
    return names;
}

void named_keys_arrive(bool with_window_manager)
{
    XSession session;
    ASSERT_TRUE(session.start(with_window_manager));
    ASSERT_TRUE(session.set_layout(QStringLiteral("us")));
    QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("xev.log"));
    session.spawn({"sh", "-c", "exec xev -event keyboard -name keysyms > '" + log.toUtf8() + "'"});
    WindowId tester = 0;
    ASSERT_TRUE(eventually(
        [&] {
            for (WindowId w : session.windows().top_level_windows())
                if (session.windows().title(w) == QLatin1String("keysyms") && session.windows().is_visible(w))
                    tester = w;
            return tester != 0;
        },
        15000));
    ASSERT_TRUE(session.windows().activate(tester));

    // {name} and the keysym it must press.
    const std::pair<const char*, const char*> keys[] = {
        {"UP", "Up"}, {"DOWN", "Down"}, {"LEFT", "Left"}, {"RIGHT", "Right"},
        {"HOME", "Home"}, {"END", "End"}, {"PGUP", "Prior"}, {"PGDN", "Next"},
        {"DEL", "Delete"}, {"DELETE", "Delete"}, {"INSERT", "Insert"}, {"INS", "Insert"},
        {"BS", "BackSpace"}, {"BK", "BackSpace"}, {"TAB", "Tab"}, {"ESC", "Escape"}, {"ENTER", "Return"},
        {"F1", "F1"}, {"F2", "F2"}, {"F3", "F3"}, {"F4", "F4"}, {"F5", "F5"}, {"F6", "F6"},
        {"F7", "F7"}, {"F8", "F8"}, {"F9", "F9"}, {"F10", "F10"}, {"F11", "F11"}, {"F12", "F12"},
        {"F13", "F13"}, {"F14", "F14"}, {"F15", "F15"}, {"F16", "F16"},
        {"ADD", "KP_Add"}, {"SUBTRACT", "KP_Subtract"}, {"MULTIPLY", "KP_Multiply"}, {"DIVIDE", "KP_Divide"},
    };
    QString run;
    QStringList expected;
    for (const auto& [name, keysym] : keys) {
        run += QStringLiteral("{%1}").arg(QLatin1String(name));
        expected << QLatin1String(keysym);
    }
    X11KeySender sender(session.display());
    ASSERT_EQ(sender.send_keys(run), key_send_ok);
    sender.wait_until_processed();
    QStringList got;
    eventually([&] { return (got = pressed_keysyms(log)).size() >= expected.size(); }, 5000);
    EXPECT_EQ(got.join(u' '), expected.join(u' '));
}

TEST(X11NamedKeys, EachNamedKeyReachesAClientAsTheKeyItNamesWithAndWithoutAWindowManager)
{
    for (const bool with_window_manager : {false, true}) {
        SCOPED_TRACE(with_window_manager ? "window manager" : "bare display");
        named_keys_arrive(with_window_manager);
    }
}

}  // namespace
}  // namespace orvel
