#include "platform/x11/x11_key_sender.h"

#include "platform/keys/key_notation.h"
#include "platform/typing_stop.h"
#include "platform/x11/x11_keys_left_down.h"
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_key_lending.h"
#include "platform/x11/x11_target_reading.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <bit>
#include <map>
#include <unordered_map>
#include <vector>

namespace orvel {

namespace {

KeySym keysym_for_char(char32_t c)
{
    if ((c >= 0x20 && c <= 0x7e) || (c >= 0xa0 && c <= 0xff))
        return c;
    if (c == 0x20ac)
        return XK_EuroSign;
    return 0x01000000 | c;
}

// One spelling for symbols the keymap may write either way (Latin-1 and the euro
// also exist as Unicode keysyms).
KeySym canonical_keysym(KeySym sym)
{
    if ((sym & 0xff000000) == 0x01000000)
        return keysym_for_char(static_cast<char32_t>(sym & 0x00ffffff));
    return sym;
}

KeySym keysym_for_key(NamedKey key)
{
    switch (key) {
    case NamedKey::Enter: return XK_Return;
    case NamedKey::Tab: return XK_Tab;
    case NamedKey::Escape: return XK_Escape;
    case NamedKey::Backspace: return XK_BackSpace;
    case NamedKey::Break: return XK_Break;
    case NamedKey::CapsLock: return XK_Caps_Lock;
    case NamedKey::Delete: return XK_Delete;
    case NamedKey::Down: return XK_Down;
    case NamedKey::End: return XK_End;
    case NamedKey::Help: return XK_Help;
    case NamedKey::Home: return XK_Home;
    case NamedKey::Insert: return XK_Insert;
    case NamedKey::Left: return XK_Left;
    case NamedKey::NumLock: return XK_Num_Lock;
    case NamedKey::PageDown: return XK_Next;
    case NamedKey::PageUp: return XK_Prior;
    case NamedKey::PrintScreen: return XK_Print;
    case NamedKey::Right: return XK_Right;
    case NamedKey::ScrollLock: return XK_Scroll_Lock;
    case NamedKey::Up: return XK_Up;
    case NamedKey::Add: return XK_KP_Add;
    case NamedKey::Subtract: return XK_KP_Subtract;
    case NamedKey::Multiply: return XK_KP_Multiply;
    case NamedKey::Divide: return XK_KP_Divide;
    default: break;
    }
    return XK_F1 + (static_cast<int>(key) - static_cast<int>(NamedKey::F1));
}

bool is_lock_keysym(KeySym sym)
{
    return sym == XK_Caps_Lock || sym == XK_Shift_Lock || sym == XK_Num_Lock || sym == XK_Scroll_Lock ||
           sym == XK_ISO_Level3_Lock || sym == XK_ISO_Level5_Lock || sym == XK_ISO_Lock;
}

struct KeyChoice {
    KeyCode code = 0;
    unsigned mods = 0;  // real modifier mask to hold down
};

// The level a key type gives for the modifiers in effect.
int level_for(const XkbKeyTypeRec* type, unsigned mods)
{
    mods &= type->mods.mask;
    for (int i = 0; i < type->map_count; ++i) {
        const XkbKTMapEntryRec& entry = type->map[i];
        if (entry.active && entry.mods.mask == mods)
            return entry.level;
    }
    return 0;
}

// The keyboard as it is at the start of one run: where each symbol is in the
// current group, which keycodes press which modifier, which keycodes are empty.
class KeymapSnapshot {
public:
    KeymapSnapshot(XkbDescPtr xkb, const XkbStateRec& state, unsigned locked_mods, const X11KeyLending& lending)
    {
        const int group = state.group;
        // Modifier keys first: a level can only be reached with modifiers we can press.
        for (int code = xkb->min_key_code; code <= xkb->max_key_code; ++code) {
            const unsigned bound = xkb->map->modmap[code];
            if (!bound || XkbKeyNumGroups(xkb, code) == 0)
                continue;
            const KeySym sym = XkbKeySymEntry(xkb, code, 0, 0);
            if (is_lock_keysym(sym))
                continue;
            for (int bit = 0; bit < 8; ++bit) {
                const unsigned mask = 1u << bit;
                if ((bound & mask) && mask != LockMask && !m_modifier_keys.count(mask))
                    m_modifier_keys[mask] = static_cast<KeyCode>(code);
            }
            if (sym == XK_Alt_L && !m_alt_mask)
                m_alt_mask = bound;
        }
        if (!m_alt_mask)
            m_alt_mask = Mod1Mask;
        unsigned pressable = 0;
        for (const auto& [mask, code] : m_modifier_keys)
            pressable |= mask;

        for (int code = xkb->min_key_code; code <= xkb->max_key_code; ++code) {
            const int groups = XkbKeyNumGroups(xkb, code);
            if (groups == 0 || lending.is_lent(static_cast<KeyCode>(code)))
                continue;
            const int key_group = group < groups ? group : group % groups;
            const XkbKeyTypeRec* type = XkbKeyKeyType(xkb, code, key_group);
            for (int level = 0; level < type->num_levels; ++level) {
                const KeySym sym = XkbKeySymEntry(xkb, code, level, key_group);
                if (sym == NoSymbol)
                    continue;
                // Candidate modifier sets: none, or any one that selects this level.
                unsigned best = ~0u;
                auto consider = [&](unsigned mods) {
                    if ((mods & ~pressable) || level_for(type, mods | locked_mods) != level)
                        return;
                    if (best == ~0u || std::popcount(mods) < std::popcount(best))
                        best = mods;
                };
                consider(0);
                for (int i = 0; i < type->map_count; ++i) {
                    if (type->map[i].active && type->map[i].level == level)
                        consider(type->map[i].mods.mask);
                }
                if (best == ~0u)
                    continue;
                const KeySym canonical = canonical_keysym(sym);
                auto found = m_keys.find(canonical);
                if (found == m_keys.end() || std::popcount(best) < std::popcount(found->second.mods))
                    m_keys[canonical] = {static_cast<KeyCode>(code), best};
            }
        }
    }

    const KeyChoice* find(KeySym sym) const
    {
        auto it = m_keys.find(sym);
        return it == m_keys.end() ? nullptr : &it->second;
    }
    KeyCode modifier_key(unsigned mask) const
    {
        auto it = m_modifier_keys.find(mask);
        return it == m_modifier_keys.end() ? 0 : it->second;
    }
    unsigned alt_mask() const { return m_alt_mask; }

private:
    std::unordered_map<KeySym, KeyChoice> m_keys;
    std::map<unsigned, KeyCode> m_modifier_keys;
    unsigned m_alt_mask = 0;
};

struct PlannedStroke {
    KeySym sym;
    unsigned notation_mods;
    bool named;
};

// Presses and releases keys, holding modifiers only as long as strokes need them
// and never touching modifiers the user holds.
class StrokeTyper {
public:
    StrokeTyper(Display* display, const KeymapSnapshot& keymap, unsigned user_mods)
        : m_display(display), m_keymap(keymap), m_user_mods(user_mods)
    {
    }
    ~StrokeTyper() { release_modifiers(); }

    void type(KeyCode code, unsigned mods)
    {
        set_modifiers(mods & ~m_user_mods);
        XTestFakeKeyEvent(m_display, code, True, CurrentTime);
        XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    }

    void release_modifiers() { set_modifiers(0); }

private:
    void set_modifiers(unsigned wanted)
    {
        for (unsigned mask = 1; mask <= Mod5Mask; mask <<= 1) {
            if ((m_pressed & mask) && !(wanted & mask)) {
                XTestFakeKeyEvent(m_display, m_keymap.modifier_key(mask), False, CurrentTime);
                m_pressed &= ~mask;
            }
        }
        for (unsigned mask = 1; mask <= Mod5Mask; mask <<= 1) {
            if (!(m_pressed & mask) && (wanted & mask)) {
                const KeyCode code = m_keymap.modifier_key(mask);
                if (!code)
                    continue;
                XTestFakeKeyEvent(m_display, code, True, CurrentTime);
                m_pressed |= mask;
            }
        }
    }

    Display* m_display;
    const KeymapSnapshot& m_keymap;
    unsigned m_user_mods;
    unsigned m_pressed = 0;
};

unsigned notation_mask(uint8_t mods, unsigned alt_mask)
{
    unsigned mask = 0;
    if (mods & mod_shift)
        mask |= ShiftMask;
    if (mods & mod_ctrl)
        mask |= ControlMask;
    if (mods & mod_alt)
        mask |= alt_mask;
    return mask;
}

}  // namespace

X11KeySender::X11KeySender(X11Display& display) : m_display(display) {}

X11KeySender::~X11KeySender() = default;

int X11KeySender::send_keys(const QString& notation)
{
    const ParsedKeys parsed = parse_key_notation(notation);
    if (parsed.error != key_send_ok)
        return parsed.error;
    if (!m_display.ok() || !m_display.has_xtest())
        return key_error_no_display;
    if (parsed.strokes.empty() || typing_stop_requested())
        return key_send_ok;
    Display* display = m_display.get();
    // A Shift left down by a killed injector would shift everything typed now.
    release_keys_left_down(display);

    // The keymap is read afresh for every run: the user may have switched layouts.
    // Key actions come too: Xlib moves them along when a lent keycode gets wider.
    XkbDescPtr xkb = XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask | XkbKeyActionsMask | XkbModifierMapMask,
                               XkbUseCoreKbd);
    if (!xkb)
        return key_error_no_display;
    XkbStateRec state{};
    XkbGetState(display, XkbUseCoreKbd, &state);
    // Caps Lock would change the case of what we type: it is off during the run,
    // and {CAPSLOCK} toggles what it is set back to.
    const bool caps_was_locked = state.locked_mods & LockMask;
    bool caps_wanted = caps_was_locked;
    const unsigned locked_mods = state.locked_mods & ~LockMask;
    start_lending();
    X11KeyLending& lending = *m_lending;
    lending.begin_run(xkb);
    const KeymapSnapshot keymap(xkb, state, locked_mods, lending);
    lending.set_shift_available(keymap.modifier_key(ShiftMask) != 0);
    const unsigned user_mods = state.base_mods | state.latched_mods;

    std::vector<PlannedStroke> plan;
    plan.reserve(parsed.strokes.size());
    for (const KeyStroke& stroke : parsed.strokes) {
        if (stroke.is_named && stroke.key == NamedKey::CapsLock) {
            caps_wanted = !caps_wanted;
            continue;
        }
        KeySym sym = stroke.is_named ? keysym_for_key(stroke.key) : keysym_for_char(stroke.character);
        unsigned mods = notation_mask(stroke.modifiers, keymap.alt_mask());
        if ((mods & ShiftMask) && !keymap.find(sym)) {
            // On a lent keycode Shift selects its second symbol, which may be anything:
            // Shift on a letter the keymap lacks gives its capital, elsewhere nothing.
            KeySym lower = NoSymbol, upper = NoSymbol;
            XConvertCase(sym, &lower, &upper);
            sym = upper;
            mods &= ~ShiftMask;
        }
        plan.push_back({sym, mods, stroke.is_named});
    }

    // Cut the run where the symbols the keymap lacks would outnumber the empty keycodes.
    std::vector<size_t> segment_starts{0};
    std::vector<std::vector<KeySym>> segment_symbols(1);
    for (size_t i = 0; i < plan.size(); ++i) {
        if (keymap.find(plan[i].sym))
            continue;
        auto& current = segment_symbols.back();
        if (std::find(current.begin(), current.end(), plan[i].sym) != current.end())
            continue;
        if (lending.capacity() == 0) {
            lending.end_run();
            XkbFreeKeyboard(xkb, 0, True);
            return key_error_no_free_keycode;
        }
        if (current.size() == lending.capacity()) {
            segment_starts.push_back(i);
            segment_symbols.push_back({});
        }
        segment_symbols.back().push_back(plan[i].sym);
    }
    segment_starts.push_back(plan.size());

    if (caps_was_locked)
        XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
    int result = key_send_ok;
    {
        StrokeTyper typer(display, keymap, user_mods);
        for (size_t segment = 0; segment + 1 < segment_starts.size(); ++segment) {
            typer.release_modifiers();
            XFlush(display);
            if (!lending.map_all(segment_symbols[segment])) {
                result = key_error_target_not_reading;
                break;
            }
            // A press and a release for each stroke: what the target has to read.
            m_reading->typing(2 * (segment_starts[segment + 1] - segment_starts[segment]));
            for (size_t i = segment_starts[segment]; i < segment_starts[segment + 1]; ++i) {
                if (typing_stop_requested())
                    break;
                const PlannedStroke& stroke = plan[i];
                if (const KeyChoice* choice = keymap.find(stroke.sym)) {
                    typer.type(choice->code, choice->mods | stroke.notation_mods);
                } else {
                    const X11KeyLending::Place place = lending.place_of(stroke.sym);
                    typer.type(place.code, stroke.notation_mods | (place.shifted ? ShiftMask : 0u));
                    lending.typed(place);
                }
            }
            XFlush(display);
        }
    }
    lending.end_run();
    if (caps_wanted)
        XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
    XkbFreeKeyboard(xkb, 0, True);
    XSync(display, False);
    return result;
}

void X11KeySender::start_lending()
{
    if (m_lending)
        return;
    m_reading = std::make_unique<X11TargetReading>(m_display.get());
    m_lending = std::make_unique<X11KeyLending>(m_display.get(), [this] { return m_reading->wait_until_read(); });
}

bool X11KeySender::wait_until_processed()
{
    if (!m_display.ok())
        return true;
    start_lending();
    // With nothing typed since, it still synchronises once with the focused window.
    if (!m_reading->pending())
        m_reading->typing(0);
    const bool read = m_reading->wait_until_read();
    m_lending->all_read();
    return read;
}

bool X11KeySender::finish()
{
    if (!m_lending)
        return true;
    const bool read = wait_until_processed();
    return m_lending->give_back() && read;
}

}  // namespace orvel
