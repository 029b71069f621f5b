#include "platform/keys/key_notation.h"

#include <array>

namespace orvel {

namespace {

struct NameEntry {
    const char* name;
    NamedKey key;
};

constexpr std::array<NameEntry, 47> key_names{{
    {"ENTER", NamedKey::Enter},         {"TAB", NamedKey::Tab},
    {"ESC", NamedKey::Escape},          {"ESCAPE", NamedKey::Escape},
    {"BACKSPACE", NamedKey::Backspace}, {"BS", NamedKey::Backspace},
    {"BKSP", NamedKey::Backspace},      {"BK", NamedKey::Backspace},
    {"BREAK", NamedKey::Break},         {"CAPSLOCK", NamedKey::CapsLock},
    {"DEL", NamedKey::Delete},          {"DELETE", NamedKey::Delete},
    {"DOWN", NamedKey::Down},           {"END", NamedKey::End},
    {"HELP", NamedKey::Help},           {"HOME", NamedKey::Home},
    {"INS", NamedKey::Insert},          {"INSERT", NamedKey::Insert},
    {"LEFT", NamedKey::Left},           {"NUMLOCK", NamedKey::NumLock},
    {"PGDN", NamedKey::PageDown},       {"PGUP", NamedKey::PageUp},
    {"PRTSC", NamedKey::PrintScreen},   {"RIGHT", NamedKey::Right},
    {"SCROLLLOCK", NamedKey::ScrollLock}, {"SCROLLOCK", NamedKey::ScrollLock},
    {"UP", NamedKey::Up},
    {"F1", NamedKey::F1},   {"F2", NamedKey::F2},   {"F3", NamedKey::F3},   {"F4", NamedKey::F4},
    {"F5", NamedKey::F5},   {"F6", NamedKey::F6},   {"F7", NamedKey::F7},   {"F8", NamedKey::F8},
    {"F9", NamedKey::F9},   {"F10", NamedKey::F10}, {"F11", NamedKey::F11}, {"F12", NamedKey::F12},
    {"F13", NamedKey::F13}, {"F14", NamedKey::F14}, {"F15", NamedKey::F15}, {"F16", NamedKey::F16},
    {"ADD", NamedKey::Add},             {"SUBTRACT", NamedKey::Subtract},
    {"MULTIPLY", NamedKey::Multiply},   {"DIVIDE", NamedKey::Divide},
}};

// Deeper nesting than any board needs is taken as a malformed group (and bounds the recursion).
constexpr int max_group_depth = 64;

class Parser {
public:
    explicit Parser(const QString& text) : m_text(text) {}

    ParsedKeys run()
    {
        parse_sequence(mod_none, 0);
        if (m_result.error != key_send_ok)
            m_result.strokes.clear();
        return std::move(m_result);
    }

private:
    bool failed() const { return m_result.error != key_send_ok; }

    void fail(int code, int position)
    {
        if (!failed()) {
            m_result.error = code;
            m_result.error_position = position;
        }
    }

    void add_strokes(const KeyStroke& stroke, int count, int position)
    {
        if (static_cast<int64_t>(m_result.strokes.size()) + count > max_strokes_per_run) {
            fail(key_error_too_many_keys, position);
            return;
        }
        m_result.strokes.insert(m_result.strokes.end(), static_cast<size_t>(count), stroke);
    }

    // Reads one code point at m_pos (a surrogate pair is one character).
    char32_t take_char()
    {
        const QChar c = m_text.at(m_pos++);
        if (c.isHighSurrogate() && m_pos < m_text.size() && m_text.at(m_pos).isLowSurrogate())
            return QChar::surrogateToUcs4(c, m_text.at(m_pos++));
        return c.unicode();
    }

    // Parses elements until the end of the text, or until ")" when inside a group.
    void parse_sequence(uint8_t mods, int depth)
    {
        while (m_pos < m_text.size() && !failed()) {
            if (m_text.at(m_pos) == u')') {
                if (depth == 0)
                    fail(key_error_unbalanced_parenthesis, m_pos);
                return;
            }
            parse_element(mods, depth);
        }
    }

    void parse_element(uint8_t mods, int depth)
    {
        const int start = m_pos;
        uint8_t own = mods;
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos);
            if (c == u'+') own |= mod_shift;
            else if (c == u'^') own |= mod_ctrl;
            else if (c == u'%') own |= mod_alt;
            else break;
            ++m_pos;
        }
        if (m_pos >= m_text.size() || (m_pos > start && m_text.at(m_pos) == u')')) {
            fail(key_error_dangling_modifier, start);
            return;
        }
        const QChar c = m_text.at(m_pos);
        if (c == u'(') {
            const int open = m_pos++;
            if (depth >= max_group_depth) {
                fail(key_error_unbalanced_parenthesis, open);
                return;
            }
            parse_sequence(own, depth + 1);
            if (failed())
                return;
            if (m_pos >= m_text.size()) {
                fail(key_error_unbalanced_parenthesis, open);
                return;
            }
            ++m_pos;  // ")"
        } else if (c == u'{') {
            parse_braces(own);
        } else if (c == u'}') {
            fail(key_error_unclosed_brace, m_pos);
        } else if (c == u'~') {
            ++m_pos;
            add_strokes(KeyStroke::of_key(NamedKey::Enter, own), 1, start);
        } else if (c == u'\r') {
            ++m_pos;
            if (m_pos < m_text.size() && m_text.at(m_pos) == u'\n')
                ++m_pos;  // a Windows line end is one Enter
            add_strokes(KeyStroke::of_key(NamedKey::Enter, own), 1, start);
        } else if (c == u'\n') {
            ++m_pos;
            add_strokes(KeyStroke::of_key(NamedKey::Enter, own), 1, start);
        } else if (c == u'\t') {
            ++m_pos;
            add_strokes(KeyStroke::of_key(NamedKey::Tab, own), 1, start);
        } else {
            add_strokes(KeyStroke::of_char(take_char(), own), 1, start);
        }
    }

    // At "{": {NAME}, {NAME n}, {c}, {c n}; "{}}" is the closing brace itself.
    void parse_braces(uint8_t mods)
    {
        const int open = m_pos;
        if (open + 1 >= m_text.size()) {
            fail(key_error_unclosed_brace, open);
            return;
        }
        // The first character after "{" belongs to the content even when it is "}".
        const int search_from = m_text.at(open + 1) == u'}' ? open + 2 : open + 1;
        const int close = m_text.indexOf(u'}', search_from);
        if (close < 0) {
            fail(key_error_unclosed_brace, open);
            return;
        }
        const QString content = m_text.mid(open + 1, close - open - 1);
        m_pos = close + 1;
        if (content.isEmpty()) {
            fail(key_error_unknown_key_name, open);
            return;
        }

        // Split "name count": the first blank after the first character.
        QString name = content;
        int count = 1;
        const int blank = content.indexOf(u' ', 1);
        if (blank > 0) {
            name = content.left(blank);
            const QString number = content.mid(blank + 1).trimmed();
            bool ok = false;
            const int n = number.toInt(&ok);
            if (!ok || n < 0 || n > max_repeat_count || number.startsWith(u'+') || number.startsWith(u'-')) {
                fail(key_error_bad_repeat_count, open);
                return;
            }
            count = n;
        }
        const bool single_char = name.size() == 1 || (name.size() == 2 && name.at(0).isHighSurrogate() &&
                                                      name.at(1).isLowSurrogate());
        if (single_char) {
            const char32_t c = name.size() == 1 ? name.at(0).unicode()
                                                : QChar::surrogateToUcs4(name.at(0), name.at(1));
            if (c == U'~')
                add_strokes(KeyStroke::of_char(U'~', mods), count, open);
            else if (c == U'\n' || c == U'\r')
                add_strokes(KeyStroke::of_key(NamedKey::Enter, mods), count, open);
            else if (c == U'\t')
                add_strokes(KeyStroke::of_key(NamedKey::Tab, mods), count, open);
            else
                add_strokes(KeyStroke::of_char(c, mods), count, open);
            return;
        }
        NamedKey key;
        if (!named_key_from_name(name, &key)) {
            fail(key_error_unknown_key_name, open);
            return;
        }
        add_strokes(KeyStroke::of_key(key, mods), count, open);
    }

    const QString& m_text;
    int m_pos = 0;
    ParsedKeys m_result;
};

}  // namespace

bool named_key_from_name(const QString& name, NamedKey* key)
{
    const QString upper = name.toUpper();
    for (const NameEntry& entry : key_names) {
        if (upper == QLatin1String(entry.name)) {
            *key = entry.key;
            return true;
        }
    }
    return false;
}

ParsedKeys parse_key_notation(const QString& text)
{
    return Parser(text).run();
}

}  // namespace orvel
