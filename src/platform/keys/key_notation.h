#pragma once
// The board's key notation, parsed into a flat list of key strokes.
//
//   literal characters        typed as they are (any Unicode character; \n, \r\n and \r are Enter, \t is Tab)
//   {NAME} {NAME n}           a named key, n times; names in any case
//   {c} {c n}                 the character c, n times; {+} {^} {%} {~} {(} {)} {{} {}} {[} {]}
//   + ^ %                     Shift, Ctrl, Alt held for the next character, {key} or (group)
//   ~                         Enter
//
// A modifier on a group applies to every stroke inside it, so "+(ab)" gives two
// strokes that both carry Shift.
#include <QString>
#include <cstdint>
#include <vector>

namespace orvel {

// Failure codes of a send (shown to the user in a message box). 0 is success.
enum KeySendError : int {
    key_send_ok = 0,
    key_error_unknown_key_name = 1,      // {NAME} that is not a key name
    key_error_unclosed_brace = 2,        // "{" without "}", or a stray "}"
    key_error_unbalanced_parenthesis = 3, // "(" without ")" or a stray ")"
    key_error_bad_repeat_count = 4,      // {x n} where n is not a number from 0 to 9999
    key_error_dangling_modifier = 5,     // + ^ % with nothing after them
    key_error_too_many_keys = 6,         // more than 100000 strokes in one run
    key_error_no_display = 7,            // no X display or no XTest extension
    key_error_no_free_keycode = 8,       // a character is on no key and no keycode is free to borrow
    key_error_target_not_reading = 9,    // the target did not read earlier keys in time; the rest was not typed
};

enum class NamedKey : uint8_t {
    Enter, Tab, Escape, Backspace, Break, CapsLock, Delete, Down, End, Help, Home, Insert,
    Left, NumLock, PageDown, PageUp, PrintScreen, Right, ScrollLock, Up,
    F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12, F13, F14, F15, F16,
    Add, Subtract, Multiply, Divide,
};

enum KeyModifier : uint8_t { mod_none = 0, mod_shift = 1, mod_ctrl = 2, mod_alt = 4 };

struct KeyStroke {
    bool is_named = false;
    char32_t character = 0;      // when !is_named
    NamedKey key = NamedKey::Enter;  // when is_named
    uint8_t modifiers = mod_none;    // KeyModifier bits

    static KeyStroke of_char(char32_t c, uint8_t mods = mod_none) { return {false, c, NamedKey::Enter, mods}; }
    static KeyStroke of_key(NamedKey k, uint8_t mods = mod_none) { return {true, 0, k, mods}; }
    bool operator==(const KeyStroke& o) const
    {
        return is_named == o.is_named && modifiers == o.modifiers &&
               (is_named ? key == o.key : character == o.character);
    }
};

struct ParsedKeys {
    std::vector<KeyStroke> strokes;
    int error = key_send_ok;  // KeySendError; strokes is empty when set
    int error_position = -1;  // index in the text (UTF-16 units) where the fault was seen
};

constexpr int max_repeat_count = 9999;
constexpr int max_strokes_per_run = 100000;

ParsedKeys parse_key_notation(const QString& text);

// The key name for {NAME}, case-insensitive; false when there is none.
bool named_key_from_name(const QString& name, NamedKey* key);

}  // namespace orvel
