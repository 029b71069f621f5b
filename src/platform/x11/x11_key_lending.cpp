#include "platform/x11/x11_key_lending.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <utility>

namespace orvel {

namespace {

bool is_empty_key(XkbDescPtr xkb, int code)
{
    return XkbKeyNumGroups(xkb, code) == 0 && xkb->map->modmap[code] == 0;
}

// What a keycode we lent looks like: one group, one or two levels, our symbols.
bool holds(XkbDescPtr xkb, int code, KeySym first, KeySym second)
{
    if (XkbKeyNumGroups(xkb, code) != 1)
        return false;
    const int width = XkbKeyGroupWidth(xkb, code, 0);
    const KeySym level0 = width > 0 ? XkbKeySymEntry(xkb, code, 0, 0) : NoSymbol;
    const KeySym level1 = width > 1 ? XkbKeySymEntry(xkb, code, 1, 0) : NoSymbol;
    return level0 == first && level1 == second;
}

KeySym case_partner(KeySym sym)
{
    KeySym lower = NoSymbol, upper = NoSymbol;
    XConvertCase(sym, &lower, &upper);
    return sym == lower ? upper : lower;
}

}  // namespace

X11KeyLending::X11KeyLending(Display* display, std::function<bool()> wait_for_reading)
    : m_display(display), m_wait_for_reading(std::move(wait_for_reading))
{
}

X11KeyLending::~X11KeyLending()
{
    give_back();
}

void X11KeyLending::begin_run(XkbDescPtr xkb)
{
    m_xkb = xkb;
    std::vector<Slot> kept;
    for (Slot& slot : m_slots) {
        if (is_empty_key(xkb, slot.code)) {
            slot.levels[0].sym = slot.levels[1].sym = NoSymbol;
            kept.push_back(slot);
        } else if (holds(xkb, slot.code, slot.levels[0].sym, slot.levels[1].sym)) {
            kept.push_back(slot);
        }
    }
    m_slots = std::move(kept);
    for (int code = xkb->min_key_code; code <= xkb->max_key_code; ++code) {
        if (is_empty_key(xkb, code) && !is_lent(static_cast<KeyCode>(code)))
            m_slots.push_back({static_cast<KeyCode>(code), {}});
    }
}

void X11KeyLending::end_run()
{
    m_xkb = nullptr;
}

bool X11KeyLending::is_lent(KeyCode code) const
{
    return std::any_of(m_slots.begin(), m_slots.end(), [&](const Slot& s) { return s.code == code; });
}

size_t X11KeyLending::capacity() const
{
    return m_slots.size() * static_cast<size_t>(m_levels);
}

X11KeyLending::Entry* X11KeyLending::find(KeySym sym, size_t* slot, int* level)
{
    if (sym == NoSymbol)
        return nullptr;
    for (size_t i = 0; i < m_slots.size(); ++i) {
        for (int l = 0; l < m_levels; ++l) {
            if (m_slots[i].levels[l].sym == sym) {
                *slot = i;
                *level = l;
                return &m_slots[i].levels[l];
            }
        }
    }
    return nullptr;
}

bool X11KeyLending::map_all(const std::vector<KeySym>& wanted)
{
    // Places holding a wanted symbol stay as they are.
    std::vector<std::vector<bool>> keep(m_slots.size(), std::vector<bool>(2, false));
    std::vector<KeySym> missing;
    for (KeySym sym : wanted) {
        size_t slot = 0;
        int level = 0;
        if (find(sym, &slot, &level))
            keep[slot][level] = true;
        else if (std::find(missing.begin(), missing.end(), sym) == missing.end())
            missing.push_back(sym);
    }
    if (missing.empty())
        return true;

    // Free places: empty ones first, then those idle longest.
    std::vector<std::pair<size_t, int>> free_places;
    for (size_t i = 0; i < m_slots.size(); ++i)
        for (int l = 0; l < m_levels; ++l)
            if (!keep[i][l])
                free_places.push_back({i, l});
    auto rank = [&](const std::pair<size_t, int>& place) {
        const Entry& entry = m_slots[place.first].levels[place.second];
        return std::make_pair(entry.sym != NoSymbol, entry.last_use);
    };
    std::stable_sort(free_places.begin(), free_places.end(),
                     [&](const auto& a, const auto& b) { return rank(a) < rank(b); });

    // Which place takes which symbol is settled first: the change waits for the
    // target only when a place it takes was typed and may not have been read.
    std::vector<std::pair<size_t, KeySym>> assignments;
    std::vector<bool> taken(free_places.size(), false);
    auto put = [&](size_t index, KeySym sym) {
        taken[index] = true;
        assignments.push_back({index, sym});
    };
    // A letter and its capital share a keycode when both places of one are free.
    std::vector<bool> placed(missing.size(), false);
    if (m_levels == 2) {
        for (size_t i = 0; i < missing.size(); ++i) {
            const KeySym partner = case_partner(missing[i]);
            const auto j = std::find(missing.begin(), missing.end(), partner) - missing.begin();
            if (placed[i] || partner == missing[i] || j >= static_cast<long>(missing.size()) || placed[j])
                continue;
            for (size_t a = 0; a < free_places.size(); ++a) {
                if (taken[a] || free_places[a].second != 0)
                    continue;
                const auto b = std::find(free_places.begin(), free_places.end(),
                                         std::make_pair(free_places[a].first, 1)) - free_places.begin();
                if (b >= static_cast<long>(free_places.size()) || taken[b])
                    continue;
                KeySym lower = NoSymbol, upper = NoSymbol;
                XConvertCase(missing[i], &lower, &upper);
                put(a, lower);
                put(static_cast<size_t>(b), upper);
                placed[i] = placed[j] = true;
                break;
            }
        }
    }
    size_t next = 0;
    for (size_t i = 0; i < missing.size(); ++i) {
        if (placed[i])
            continue;
        while (next < free_places.size() && taken[next])
            ++next;
        if (next == free_places.size())
            break;
        put(next, missing[i]);
        placed[i] = true;
    }
    std::vector<std::pair<size_t, int>> places;
    for (const auto& [index, sym] : assignments)
        places.push_back(free_places[index]);
    if (!read_before_change(places))
        return false;
    std::vector<size_t> changed;
    for (const auto& [index, sym] : assignments) {
        m_slots[free_places[index].first].levels[free_places[index].second].sym = sym;
        changed.push_back(free_places[index].first);
    }
    apply(m_xkb, changed);
    return true;
}

X11KeyLending::Place X11KeyLending::place_of(KeySym sym) const
{
    for (const Slot& slot : m_slots)
        for (int l = 0; l < m_levels; ++l)
            if (sym != NoSymbol && slot.levels[l].sym == sym)
                return {slot.code, l == 1};
    return {};
}

void X11KeyLending::typed(Place place)
{
    for (Slot& slot : m_slots) {
        if (slot.code == place.code) {
            Entry& entry = slot.levels[place.shifted ? 1 : 0];
            entry.unread = true;
            entry.last_use = ++m_uses;
        }
    }
}

void X11KeyLending::all_read()
{
    for (Slot& slot : m_slots)
        for (Entry& entry : slot.levels)
            entry.unread = false;
}

bool X11KeyLending::read_before_change(const std::vector<std::pair<size_t, int>>& places)
{
    const bool unread = std::any_of(places.begin(), places.end(), [&](const std::pair<size_t, int>& place) {
        return m_slots[place.first].levels[place.second].unread;
    });
    if (!unread)
        return true;
    const bool read = !m_wait_for_reading || m_wait_for_reading();
    all_read();  // waited for, read or not: not waited for again
    return read;
}

bool X11KeyLending::give_back()
{
    const bool any_lent = std::any_of(m_slots.begin(), m_slots.end(), [](const Slot& s) {
        return s.levels[0].sym != NoSymbol || s.levels[1].sym != NoSymbol;
    });
    if (!m_display || !any_lent)
        return true;
    std::vector<std::pair<size_t, int>> places;
    for (size_t i = 0; i < m_slots.size(); ++i)
        for (int l = 0; l < 2; ++l)
            places.push_back({i, l});
    const bool read = read_before_change(places);
    XkbDescPtr xkb = XkbGetMap(m_display, XkbKeyTypesMask | XkbKeySymsMask | XkbKeyActionsMask | XkbModifierMapMask,
                               XkbUseCoreKbd);
    if (!xkb)
        return read;
    std::vector<size_t> changed;
    for (size_t i = 0; i < m_slots.size(); ++i) {
        Slot& slot = m_slots[i];
        if (slot.levels[0].sym == NoSymbol && slot.levels[1].sym == NoSymbol)
            continue;
        if (!holds(xkb, slot.code, slot.levels[0].sym, slot.levels[1].sym))
            continue;  // not ours any more
        slot.levels[0].sym = slot.levels[1].sym = NoSymbol;
        changed.push_back(i);
    }
    apply(xkb, changed);
    XkbFreeKeyboard(xkb, 0, True);
    XSync(m_display, False);
    m_slots.clear();
    return read;
}

// One keymap change for all the keycodes: the keys between them are sent back
// exactly as the keymap just read holds them.
void X11KeyLending::apply(XkbDescPtr xkb, const std::vector<size_t>& changed)
{
    if (!xkb || changed.empty())
        return;
    int first = 255, last = 0;
    XkbMapChangesRec ignored{};
    for (size_t index : changed) {
        const Slot& slot = m_slots[index];
        const KeySym level0 = slot.levels[0].sym, level1 = slot.levels[1].sym;
        if (level0 == NoSymbol && level1 == NoSymbol) {
            XkbChangeTypesOfKey(xkb, slot.code, 0, XkbGroup1Mask, nullptr, &ignored);
        } else {
            const int width = level1 == NoSymbol ? 1 : 2;
            int types[XkbNumKbdGroups] = {width == 1 ? XkbOneLevelIndex : XkbTwoLevelIndex};
            XkbChangeTypesOfKey(xkb, slot.code, 1, XkbGroup1Mask, types, &ignored);
            if (KeySym* syms = XkbResizeKeySyms(xkb, slot.code, width)) {
                syms[0] = level0;
                if (width == 2)
                    syms[1] = level1;
            }
        }
        first = std::min<int>(first, slot.code);
        last = std::max<int>(last, slot.code);
    }
    XkbMapChangesRec changes{};
    changes.changed = XkbKeySymsMask;
    changes.first_key_sym = static_cast<KeyCode>(first);
    changes.num_key_syms = static_cast<unsigned char>(last - first + 1);
    XkbChangeMap(m_display, xkb, &changes);
}

}  // namespace orvel
