#include "platform/x11/x11_key_sender.h"

#include "platform/keys/key_notation.h"
#include "platform/x11/x11_display.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <map>
#include <thread>
#include <unordered_map>
#include <vector>

namespace orvel {

namespace {

using Clock = std::chrono::steady_clock;

// A client reads a borrowed keycode's symbol only when it handles the key event,
// so a keycode is not cleared or given another symbol sooner than this after its
// release (25 ms was measured as the edge with xterm under Xvfb).
constexpr auto borrowed_key_quiet_time = std::chrono::milliseconds(60);
// The moment wait_until_processed gives the target after the server has everything.
constexpr auto target_reading_time = std::chrono::milliseconds(30);

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
    KeymapSnapshot(Display* display, XkbDescPtr xkb, const XkbStateRec& state, unsigned locked_mods)
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
            if (groups == 0) {
                if (xkb->map->modmap[code] == 0)
                    m_empty_keycodes.push_back(static_cast<KeyCode>(code));
                continue;
            }
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
        (void)display;
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
    const std::vector<KeyCode>& empty_keycodes() const { return m_empty_keycodes; }

private:
    std::unordered_map<KeySym, KeyChoice> m_keys;
    std::map<unsigned, KeyCode> m_modifier_keys;
    std::vector<KeyCode> m_empty_keycodes;
    unsigned m_alt_mask = 0;
};

// Empty keycodes lent to symbols the keymap lacks, for the length of one run.
class BorrowedKeys {
public:
    BorrowedKeys(Display* display, XkbDescPtr xkb, std::vector<KeyCode> empty)
        : m_display(display), m_xkb(xkb)
    {
        // Prefer long stretches of neighbouring keycodes: one keymap change covers a stretch.
        std::vector<std::vector<KeyCode>> stretches;
        for (KeyCode code : empty) {
            if (stretches.empty() || stretches.back().back() + 1 != code)
                stretches.emplace_back();
            stretches.back().push_back(code);
        }
        std::stable_sort(stretches.begin(), stretches.end(),
                         [](const auto& a, const auto& b) { return a.size() > b.size(); });
        for (const auto& stretch : stretches)
            for (KeyCode code : stretch)
                m_slots.push_back({code, NoSymbol, false, Clock::time_point{}, false, 0});
    }

    size_t capacity() const { return m_slots.size(); }

    // Maps every symbol in `wanted` (at most capacity()), keeping symbols already
    // mapped on their keycodes and reusing the keycodes released longest ago.
    void map_all(const std::vector<KeySym>& wanted)
    {
        std::vector<bool> keep(m_slots.size(), false);
        std::vector<KeySym> missing;
        for (KeySym sym : wanted) {
            const int slot = slot_of(sym);
            if (slot >= 0)
                keep[slot] = true;
            else
                missing.push_back(sym);
        }
        if (missing.empty())
            return;
        std::vector<size_t> free_slots;
        for (size_t i = 0; i < m_slots.size(); ++i)
            if (!keep[i])
                free_slots.push_back(i);
        std::stable_sort(free_slots.begin(), free_slots.end(), [&](size_t a, size_t b) {
            return m_slots[a].last_use < m_slots[b].last_use;
        });
        std::vector<size_t> changed;
        for (size_t i = 0; i < missing.size(); ++i) {
            const size_t slot = free_slots[i];
            wait_quiet(m_slots[slot]);
            m_slots[slot].sym = missing[i];
            m_slots[slot].touched = true;
            changed.push_back(slot);
        }
        apply(changed);
    }

    KeyCode code_of(KeySym sym) const
    {
        const int slot = slot_of(sym);
        return slot < 0 ? 0 : m_slots[slot].code;
    }

    void released(KeyCode code)
    {
        for (Slot& slot : m_slots) {
            if (slot.code == code) {
                slot.release_pending = true;
                slot.last_use = ++m_uses;
                m_releases_pending = true;
            }
        }
    }

    // Empties every keycode this run borrowed, in one keymap change.
    void restore()
    {
        std::vector<size_t> changed;
        for (size_t i = 0; i < m_slots.size(); ++i) {
            if (!m_slots[i].touched)
                continue;
            wait_quiet(m_slots[i]);
            m_slots[i].sym = NoSymbol;
            m_slots[i].touched = false;
            changed.push_back(i);
        }
        apply(changed);
    }

private:
    struct Slot {
        KeyCode code;
        KeySym sym;
        bool release_pending;             // released since the last XSync
        Clock::time_point release_done;   // the server had the release by then
        bool touched;
        uint64_t last_use;  // order of last use, for lending the longest-idle keycode
    };

    int slot_of(KeySym sym) const
    {
        for (size_t i = 0; i < m_slots.size(); ++i)
            if (m_slots[i].sym == sym && sym != NoSymbol)
                return static_cast<int>(i);
        return -1;
    }

    // Events are queued faster than the server handles them: the quiet time counts
    // from the XSync that saw the release through, not from when it was queued.
    void wait_quiet(Slot& slot)
    {
        if (slot.release_pending && m_releases_pending) {
            XSync(m_display, False);
            const auto done = Clock::now();
            for (Slot& s : m_slots) {
                if (s.release_pending) {
                    s.release_done = done;
                    s.release_pending = false;
                }
            }
            m_releases_pending = false;
        }
        if (slot.release_done != Clock::time_point{})
            std::this_thread::sleep_until(slot.release_done + borrowed_key_quiet_time);
    }

    void apply(const std::vector<size_t>& changed)
    {
        if (changed.empty())
            return;
        std::vector<KeyCode> codes;
        XkbMapChangesRec local_changes{};  // we send our own, narrower ranges below
        for (size_t slot : changed) {
            const Slot& s = m_slots[slot];
            if (s.sym == NoSymbol) {
                XkbChangeTypesOfKey(m_xkb, s.code, 0, XkbGroup1Mask, nullptr, &local_changes);
            } else {
                int types[XkbNumKbdGroups] = {XkbOneLevelIndex};
                XkbChangeTypesOfKey(m_xkb, s.code, 1, XkbGroup1Mask, types, &local_changes);
                KeySym* syms = XkbResizeKeySyms(m_xkb, s.code, 1);
                if (syms)
                    syms[0] = s.sym;
            }
            codes.push_back(s.code);
        }
        std::sort(codes.begin(), codes.end());
        // One request per stretch of neighbouring keycodes; other keys are never resent.
        size_t begin = 0;
        while (begin < codes.size()) {
            size_t end = begin + 1;
            while (end < codes.size() && codes[end] == codes[end - 1] + 1)
                ++end;
            XkbMapChangesRec changes{};
            changes.changed = XkbKeySymsMask;
            changes.first_key_sym = codes[begin];
            changes.num_key_syms = static_cast<unsigned char>(end - begin);
            XkbChangeMap(m_display, m_xkb, &changes);
            begin = end;
        }
    }

    Display* m_display;
    XkbDescPtr m_xkb;
    std::vector<Slot> m_slots;
    bool m_releases_pending = false;
    uint64_t m_uses = 0;
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

int X11KeySender::send_keys(const QString& notation)
{
    const ParsedKeys parsed = parse_key_notation(notation);
    if (parsed.error != key_send_ok)
        return parsed.error;
    if (!m_display.ok() || !m_display.has_xtest())
        return key_error_no_display;
    if (parsed.strokes.empty())
        return key_send_ok;
    Display* display = m_display.get();

    // The keymap is read afresh for every run: the user may have switched layouts.
    XkbDescPtr xkb = XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask | XkbModifierMapMask, XkbUseCoreKbd);
    if (!xkb)
        return key_error_no_display;
    XkbStateRec state{};
    XkbGetState(display, XkbUseCoreKbd, &state);
    // Caps Lock would change the case of what we type: it is off during the run,
    // and {CAPSLOCK} toggles what it is set back to.
    const bool caps_was_locked = state.locked_mods & LockMask;
    bool caps_wanted = caps_was_locked;
    const unsigned locked_mods = state.locked_mods & ~LockMask;
    const KeymapSnapshot keymap(display, xkb, state, locked_mods);
    const unsigned user_mods = state.base_mods | state.latched_mods;

    std::vector<PlannedStroke> plan;
    plan.reserve(parsed.strokes.size());
    for (const KeyStroke& stroke : parsed.strokes) {
        if (stroke.is_named && stroke.key == NamedKey::CapsLock) {
            caps_wanted = !caps_wanted;
            continue;
        }
        const KeySym sym = stroke.is_named ? keysym_for_key(stroke.key) : keysym_for_char(stroke.character);
        plan.push_back({sym, notation_mask(stroke.modifiers, keymap.alt_mask()), stroke.is_named});
    }

    BorrowedKeys borrowed(display, xkb, keymap.empty_keycodes());
    // Cut the run where the symbols the keymap lacks would outnumber the empty keycodes.
    std::vector<size_t> segment_starts{0};
    std::vector<std::vector<KeySym>> segment_symbols(1);
    for (size_t i = 0; i < plan.size(); ++i) {
        if (keymap.find(plan[i].sym))
            continue;
        auto& current = segment_symbols.back();
        if (std::find(current.begin(), current.end(), plan[i].sym) != current.end())
            continue;
        if (borrowed.capacity() == 0) {
            XkbFreeKeyboard(xkb, 0, True);
            return key_error_no_free_keycode;
        }
        if (current.size() == borrowed.capacity()) {
            segment_starts.push_back(i);
            segment_symbols.push_back({});
        }
        segment_symbols.back().push_back(plan[i].sym);
    }
    segment_starts.push_back(plan.size());

    if (caps_was_locked)
        XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
    {
        StrokeTyper typer(display, keymap, user_mods);
        for (size_t segment = 0; segment + 1 < segment_starts.size(); ++segment) {
            typer.release_modifiers();
            borrowed.map_all(segment_symbols[segment]);
            for (size_t i = segment_starts[segment]; i < segment_starts[segment + 1]; ++i) {
                const PlannedStroke& stroke = plan[i];
                if (const KeyChoice* choice = keymap.find(stroke.sym)) {
                    typer.type(choice->code, choice->mods | stroke.notation_mods);
                } else {
                    const KeyCode code = borrowed.code_of(stroke.sym);
                    typer.type(code, stroke.notation_mods);
                    borrowed.released(code);
                }
            }
            XFlush(display);
        }
    }
    borrowed.restore();
    if (caps_wanted)
        XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
    XkbFreeKeyboard(xkb, 0, True);
    XSync(display, False);
    return key_send_ok;
}

void X11KeySender::wait_until_processed()
{
    if (!m_display.ok())
        return;
    XSync(m_display.get(), False);
    std::this_thread::sleep_for(target_reading_time);
}

}  // namespace orvel
