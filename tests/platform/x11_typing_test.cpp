// Typing into a real terminal under Xvfb, with and without a window manager and
// under several keyboard layouts: what the terminal's `cat` writes to its file must
// be exactly what the key text says, and the keyboard must be left as it was found.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <cstring>
#include <QTemporaryDir>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "platform/keys/key_notation.h"
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_key_sender.h"
#include "platform/x11/x11_window_system.h"
#include "support/test_files.h"
#include "x_session.h"

namespace orvel {
namespace {

std::vector<KeySym> keyboard_mapping(Display* d)
{
    int min = 0, max = 0, per_code = 0;
    XDisplayKeycodes(d, &min, &max);
    KeySym* syms = XGetKeyboardMapping(d, static_cast<KeyCode>(min), max - min + 1, &per_code);
    std::vector<KeySym> all(syms, syms + (max - min + 1) * per_code);
    XFree(syms);
    return all;
}

// The server's own keyboard, standing for the person's: not the XTest device.
XDevice* persons_keyboard(Display* d)
{
    int count = 0;
    XDeviceInfo* devices = XListInputDevices(d, &count);
    XID id = None;
    for (int i = 0; i < count; ++i)
        if (devices[i].use == IsXExtensionKeyboard && !std::strstr(devices[i].name, "XTEST"))
            id = devices[i].id;
    XFreeDeviceList(devices);
    return id == None ? nullptr : XOpenDevice(d, id);
}

std::vector<int> keys_down(Display* d)
{
    char keys[32];
    XQueryKeymap(d, keys);
    std::vector<int> down;
    for (int code = 0; code < 256; ++code)
        if (keys[code / 8] & (1 << (code % 8)))
            down.push_back(code);
    return down;
}

// Counts keyboard map changes as every client sees them.
class KeymapChangeCounter {
public:
    explicit KeymapChangeCounter(const QByteArray& display_name) : m_display(display_name)
    {
        int opcode = 0, error_base = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        XkbQueryExtension(m_display.get(), &opcode, &m_event_base, &error_base, &major, &minor);
        XkbSelectEvents(m_display.get(), XkbUseCoreKbd, XkbMapNotifyMask, XkbMapNotifyMask);
        XSync(m_display.get(), False);
    }
    // Clients hear of one keymap change once per keyboard device, or more: makes
    // one change of the kind the sender makes (an empty keycode given a symbol) and
    // counts how it is heard; the keycode is emptied again afterwards.
    int notifications_per_change()
    {
        Display* d = m_display.get();
        XkbDescPtr xkb = XkbGetMap(d, XkbKeyTypesMask | XkbKeySymsMask | XkbModifierMapMask, XkbUseCoreKbd);
        int code = xkb->max_key_code;
        while (code > xkb->min_key_code && (XkbKeyNumGroups(xkb, code) != 0 || xkb->map->modmap[code] != 0))
            --code;
        // The server copies a keyboard's map to the core keyboard when injected keys
        // start coming from it: hear that first, apart.
        XTestFakeKeyEvent(d, code, True, CurrentTime);
        XTestFakeKeyEvent(d, code, False, CurrentTime);
        take();
        set_key(xkb, code, XK_F35);
        const int heard = take();
        set_key(xkb, code, NoSymbol);
        take();
        XkbFreeKeyboard(xkb, 0, True);
        return heard;
    }
    int take()
    {
        XSync(m_display.get(), False);
        int changes = 0;
        while (XPending(m_display.get())) {
            XEvent event;
            XNextEvent(m_display.get(), &event);
            if (event.type == m_event_base &&
                reinterpret_cast<XkbAnyEvent*>(&event)->xkb_type == XkbMapNotify)
                ++changes;
        }
        return changes;
    }

private:
    void set_key(XkbDescPtr xkb, int code, KeySym sym)
    {
        XkbMapChangesRec ignored{};
        if (sym == NoSymbol) {
            XkbChangeTypesOfKey(xkb, code, 0, XkbGroup1Mask, nullptr, &ignored);
        } else {
            int types[XkbNumKbdGroups] = {XkbOneLevelIndex};
            XkbChangeTypesOfKey(xkb, code, 1, XkbGroup1Mask, types, &ignored);
            XkbResizeKeySyms(xkb, code, 1)[0] = sym;
        }
        XkbMapChangesRec changes{};
        changes.changed = XkbKeySymsMask;
        changes.first_key_sym = static_cast<KeyCode>(code);
        changes.num_key_syms = 1;
        XkbChangeMap(m_display.get(), xkb, &changes);
    }

    X11Display m_display;
    int m_event_base = 0;
};

QString read_file(const QString& path)
{
    return QString::fromUtf8(testing::read_file(path));
}

// Names the first differing character, so a failure says which key went wrong.
std::string first_difference(const QString& got, const QString& want)
{
    const auto g = got.toUcs4();
    const auto w = want.toUcs4();
    for (qsizetype i = 0; i < std::max(g.size(), w.size()); ++i) {
        const uint gc = i < g.size() ? g[i] : 0;
        const uint wc = i < w.size() ? w[i] : 0;
        if (gc != wc)
            return "at " + std::to_string(i) + ": got U+" + QString::number(gc, 16).toStdString() +
                   " want U+" + QString::number(wc, 16).toStdString();
    }
    return "none";
}

// Ctrl+D on an empty line ends the terminal's `cat`, which closes the file.
const QString end_of_input = QStringLiteral("^d");

const char* catalan_text =
    "Hola, què tal? ÀÈÉÍÏÒÓÚÜÇÑ àèéíïòóúüçñ l·l €5 ¡sí! ¿no? ªº "
    "@#$&*_=<>|\\/\"'`;:[]{{}{}}{~}{+}{^}{%}{(}{)} 0123456789~"
    "+(ab)c {a 3}xy{BS}z{TAB}.{ENTER}";
const char* catalan_typed =
    "Hola, què tal? ÀÈÉÍÏÒÓÚÜÇÑ àèéíïòóúüçñ l·l €5 ¡sí! ¿no? ªº "
    "@#$&*_=<>|\\/\"'`;:[]{}~+^%() 0123456789\n"
    "ABc aaaxz\t.\n";

// A bare display under `layout` with a focused terminal writing to out.txt.
struct TypingTarget {
    XSession session;
    QTemporaryDir folder;
    QString file = folder.filePath(QStringLiteral("out.txt"));
    XSession::Terminal terminal;
    Display* d = nullptr;

    // With `only_two_empty`, all keycodes without symbols but two get one.
    void start(const char* layout, bool only_two_empty = false)
    {
        ASSERT_TRUE(session.start(false));
        ASSERT_TRUE(session.set_layout(QString::fromLatin1(layout)));
        d = session.display().get();
        ASSERT_TRUE(!only_two_empty || session.leave_empty_keycodes(2));
        terminal = session.start_terminal(file, QStringLiteral("target"));
        ASSERT_NE(terminal.window, 0);
        ASSERT_TRUE(session.windows().activate(terminal.window));
    }
    // Ends the terminal's input and returns what it wrote.
    QString finish(X11KeySender& sender)
    {
        EXPECT_EQ(sender.send_keys(end_of_input), key_send_ok);
        EXPECT_TRUE(session.wait_for_exit(terminal.pid, 10000));
        return read_file(file);
    }
};

void type_under_layouts(bool with_window_manager)
{
    XSession session;
    ASSERT_TRUE(session.start(with_window_manager));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Display* d = session.display().get();
    KeymapChangeCounter keymap_changes(session.display_name());

    for (const QString& layout : {QStringLiteral("us"), QStringLiteral("es"), QStringLiteral("fr")}) {
        SCOPED_TRACE(layout.toStdString());
        ASSERT_TRUE(session.set_layout(layout));
        // Measured before the terminal has the focus: the measuring keys reach nobody.
        const int one_change = keymap_changes.notifications_per_change();
        ASSERT_GE(one_change, 1);
        const QString file = folder.filePath(layout + QStringLiteral(".txt"));
        const auto terminal = session.start_terminal(file, QStringLiteral("target-") + layout);
        ASSERT_NE(terminal.window, 0);
        ASSERT_TRUE(session.windows().activate(terminal.window));
        const auto mapping_before = keyboard_mapping(d);
        keymap_changes.take();
        {
            X11KeySender sender(session.display());
            ASSERT_EQ(sender.send_keys(QString::fromUtf8(catalan_text)), key_send_ok);
            EXPECT_TRUE(keys_down(d).empty());
            // What the layout lacks is mapped in one change, not character by character...
            EXPECT_EQ(keymap_changes.take(), one_change);
            // ... and stays ready for the next run, which changes nothing.
            ASSERT_EQ(sender.send_keys(QString::fromUtf8(catalan_text)), key_send_ok);
            EXPECT_EQ(keymap_changes.take(), 0);
            EXPECT_TRUE(keys_down(d).empty());
            ASSERT_EQ(sender.send_keys(end_of_input), key_send_ok);
            sender.wait_until_processed();
            ASSERT_TRUE(session.wait_for_exit(terminal.pid, 10000));
        }
        // Every lent keycode is empty again once the sender is gone.
        EXPECT_EQ(keyboard_mapping(d), mapping_before);
        const QString typed = read_file(file);
        const QString expected = QString::fromUtf8(catalan_typed).repeated(2);
        EXPECT_EQ(typed, expected) << first_difference(typed, expected) << "\n" << typed.toStdString();
    }
}

TEST(X11Typing, CatalanAndSymbolsArriveExactlyUnderThreeLayoutsWithAndWithoutAWindowManager)
{
    for (const bool with_window_manager : {false, true}) {
        SCOPED_TRACE(with_window_manager ? "window manager" : "bare display");
        type_under_layouts(with_window_manager);
    }
}

TEST(X11Typing, CapsLockAndHeldModifiersAreRespectedAndAFailedRunTypesNothing)
{
    TypingTarget t;
    ASSERT_NO_FATAL_FAILURE(t.start("es"));
    X11KeySender sender(t.session.display());
    Display* d = t.d;

    // Caps Lock on: the text still comes out as written, and the lock stays on.
    XkbLockModifiers(d, XkbUseCoreKbd, LockMask, LockMask);
    XSync(d, False);
    EXPECT_EQ(sender.send_keys(QString::fromUtf8("aBéÉ1~")), key_send_ok);
    XkbStateRec state{};
    XkbGetState(d, XkbUseCoreKbd, &state);
    EXPECT_TRUE(state.locked_mods & LockMask);
    // {CAPSLOCK} toggles the lock the run leaves behind.
    EXPECT_EQ(sender.send_keys(QStringLiteral("{CAPSLOCK}")), key_send_ok);
    XkbGetState(d, XkbUseCoreKbd, &state);
    EXPECT_FALSE(state.locked_mods & LockMask);

    // A malformed run types nothing at all, not even what comes before the fault.
    EXPECT_EQ(sender.send_keys(QStringLiteral("lost{NOSUCHKEY}")), key_error_unknown_key_name);
    EXPECT_EQ(sender.send_keys(QStringLiteral("lost+(ab")), key_error_unbalanced_parenthesis);

    // The person holds Shift on their keyboard: it is theirs, so it shapes what we
    // type and stays down.
    const KeyCode shift = XKeysymToKeycode(d, XK_Shift_L);
    XDevice* keyboard = persons_keyboard(d);
    ASSERT_NE(keyboard, nullptr);
    XTestFakeDeviceKeyEvent(d, keyboard, shift, True, nullptr, 0, CurrentTime);
    XSync(d, False);
    EXPECT_EQ(sender.send_keys(QStringLiteral("x")), key_send_ok);
    EXPECT_EQ(keys_down(d), std::vector<int>{shift});
    XTestFakeDeviceKeyEvent(d, keyboard, shift, False, nullptr, 0, CurrentTime);
    XCloseDevice(d, keyboard);
    // A Shift left down by another injector (on the XTest device) is released
    // before the run: "y" comes out as it is written.
    XTestFakeKeyEvent(d, shift, True, CurrentTime);
    XSync(d, False);
    EXPECT_EQ(sender.send_keys(QStringLiteral("y")), key_send_ok);
    EXPECT_TRUE(keys_down(d).empty());
    // A run that uses AltGr and Shift itself leaves nothing down.
    EXPECT_EQ(sender.send_keys(QStringLiteral("@+a~")), key_send_ok);
    EXPECT_TRUE(keys_down(d).empty());

    EXPECT_EQ(t.finish(sender), QString::fromUtf8("aBéÉ1\nXy@A\n"));
}

TEST(X11Typing, MoreMissingCharactersThanFreeKeycodesAreTypedByLendingKeycodesInTurn)
{
    // Only two empty keycodes are left, so the run must lend them again and again.
    TypingTarget t;
    ASSERT_NO_FATAL_FAILURE(t.start("us", true));
    X11KeySender sender(t.session.display());
    const QString text = QString::fromUtf8("àèéíòóúü ÀÈÉ€·ªº àèéíòóúü");
    ASSERT_EQ(sender.send_keys(text + u'~'), key_send_ok);
    const QString typed = t.finish(sender);
    EXPECT_EQ(typed, text + u'\n') << first_difference(typed, text + u'\n');
}

TEST(X11Typing, KeycodesLentInOneRunTakeMoreSymbolsInTheNext)
{
    TypingTarget t;
    ASSERT_NO_FATAL_FAILURE(t.start("us"));
    const auto mapping_before = keyboard_mapping(t.d);
    QString typed;
    {
        X11KeySender sender(t.session.display());
        // The first run lends a keycode one symbol; the next ones widen it to two.
        EXPECT_EQ(sender.send_keys(QString::fromUtf8("à")), key_send_ok);
        EXPECT_EQ(sender.send_keys(QString::fromUtf8("À€")), key_send_ok);
        EXPECT_EQ(sender.send_keys(QString::fromUtf8("àÀ€·~")), key_send_ok);
        // Shift on a lent letter gives its capital, whatever shares its keycode.
        EXPECT_EQ(sender.send_keys(QString::fromUtf8("+à+ò+€~")), key_send_ok);
        typed = t.finish(sender);
    }
    EXPECT_EQ(keyboard_mapping(t.d), mapping_before);
    EXPECT_EQ(typed, QString::fromUtf8("àÀ€àÀ€·\nÀÒ€\n"));
}

TEST(X11Typing, WithoutADisplayEverySendFails)
{
    X11Display nowhere(QByteArrayLiteral(":999999"));
    ASSERT_FALSE(nowhere.ok());
    X11KeySender sender(nowhere);
    EXPECT_EQ(sender.send_keys(QStringLiteral("a")), key_error_no_display);
    // A parse fault is still reported as such.
    EXPECT_EQ(sender.send_keys(QStringLiteral("{")), key_error_unclosed_brace);
    sender.wait_until_processed();
}

}  // namespace
}  // namespace orvel
