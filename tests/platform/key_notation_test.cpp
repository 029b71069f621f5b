#include "platform/keys/key_notation.h"

#include <QList>
#include <gtest/gtest.h>

namespace orvel {
namespace {

using K = KeyStroke;

std::vector<KeyStroke> chars(const QString& text, uint8_t mods = mod_none)
{
    std::vector<KeyStroke> out;
    for (char32_t c : text.toUcs4())
        out.push_back(K::of_char(c, mods));
    return out;
}

struct GoodCase {
    const char* text;  // UTF-8
    std::vector<KeyStroke> expected;
};

TEST(KeyNotation, ParsesCharactersKeysModifiersAndGroups)
{
    const std::vector<GoodCase> cases = {
        {"", {}},
        {"àèéíïòóúüçñ·€¡¿ªº", chars(QString::fromUtf8("àèéíïòóúüçñ·€¡¿ªº"))},
        {"ÀÈÉÍÏÒÓÚÜÇÑ", chars(QString::fromUtf8("ÀÈÉÍÏÒÓÚÜÇÑ"))},
        {"a😀b", {K::of_char(U'a'), K::of_char(U'😀'), K::of_char(U'b')}},
        {"[]", chars("[]")},
        {"~", {K::of_key(NamedKey::Enter)}},
        {"a\r\nb\nc\rd\te",
         {K::of_char(U'a'), K::of_key(NamedKey::Enter), K::of_char(U'b'), K::of_key(NamedKey::Enter),
          K::of_char(U'c'), K::of_key(NamedKey::Enter), K::of_char(U'd'), K::of_key(NamedKey::Tab),
          K::of_char(U'e')}},
        {"{left 3}", std::vector<KeyStroke>(3, K::of_key(NamedKey::Left))},
        {"{Enter}{BK}{bs}{BKSP}{BACKSPACE}{ScrolLock}{SCROLLLOCK}",
         {K::of_key(NamedKey::Enter), K::of_key(NamedKey::Backspace), K::of_key(NamedKey::Backspace),
          K::of_key(NamedKey::Backspace), K::of_key(NamedKey::Backspace), K::of_key(NamedKey::ScrollLock),
          K::of_key(NamedKey::ScrollLock)}},
        {"{F1}{f16}{PGDN}{pgup}{DEL}{INS}{ESCAPE}{esc}{PRTSC}{BREAK}",
         {K::of_key(NamedKey::F1), K::of_key(NamedKey::F16), K::of_key(NamedKey::PageDown),
          K::of_key(NamedKey::PageUp), K::of_key(NamedKey::Delete), K::of_key(NamedKey::Insert),
          K::of_key(NamedKey::Escape), K::of_key(NamedKey::Escape), K::of_key(NamedKey::PrintScreen),
          K::of_key(NamedKey::Break)}},
        {"{ADD}{SUBTRACT}{MULTIPLY}{DIVIDE}",
         {K::of_key(NamedKey::Add), K::of_key(NamedKey::Subtract), K::of_key(NamedKey::Multiply),
          K::of_key(NamedKey::Divide)}},
        {"{+}{^}{%}{~}{(}{)}{{}{}}{[}{]}", chars("+^%~(){}[]")},
        {"{a 3}{} 2}{à 0}x", {K::of_char(U'a'), K::of_char(U'a'), K::of_char(U'a'), K::of_char(U'}'),
                              K::of_char(U'}'), K::of_char(U'x')}},
        {"{ }", {K::of_char(U' ')}},
        // A modifier holds for the next element only.
        {"+ab", {K::of_char(U'a', mod_shift), K::of_char(U'b')}},
        {"^%{DEL}", {K::of_key(NamedKey::Delete, mod_ctrl | mod_alt)}},
        {"+~", {K::of_key(NamedKey::Enter, mod_shift)}},
        {"%é", {K::of_char(U'é', mod_alt)}},
        {"^{a 2}", {K::of_char(U'a', mod_ctrl), K::of_char(U'a', mod_ctrl)}},
        // ... or for every element of a group, nested groups adding their own.
        {"+(ab)c", {K::of_char(U'a', mod_shift), K::of_char(U'b', mod_shift), K::of_char(U'c')}},
        {"^(a%(b)c)", {K::of_char(U'a', mod_ctrl), K::of_char(U'b', mod_ctrl | mod_alt), K::of_char(U'c', mod_ctrl)}},
        {"(ab)", chars("ab")},
        {"+()", {}},
        {"+{+}", {K::of_char(U'+', mod_shift)}},
    };
    for (const GoodCase& c : cases) {
        const ParsedKeys parsed = parse_key_notation(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.error, key_send_ok) << c.text;
        EXPECT_EQ(parsed.strokes, c.expected) << c.text;
    }
}

struct BadCase {
    const char* text;
    int error;
    int position;
};

TEST(KeyNotation, MalformedTextFailsWithItsCodeAndYieldsNoStrokes)
{
    const std::vector<BadCase> cases = {
        {"ab{NOSUCHKEY}cd", key_error_unknown_key_name, 2},
        {"{ENTRE}", key_error_unknown_key_name, 0},
        {"{F17}", key_error_unknown_key_name, 0},
        {"{ab 2}", key_error_unknown_key_name, 0},
        {"abc{ENTER", key_error_unclosed_brace, 3},
        {"{", key_error_unclosed_brace, 0},
        {"{}", key_error_unclosed_brace, 0},
        {"a}b", key_error_unclosed_brace, 1},
        {"+(ab", key_error_unbalanced_parenthesis, 1},
        {"ab)", key_error_unbalanced_parenthesis, 2},
        {"((a)", key_error_unbalanced_parenthesis, 0},
        {"{LEFT x}", key_error_bad_repeat_count, 0},
        {"{LEFT -1}", key_error_bad_repeat_count, 0},
        {"{LEFT 10000}", key_error_bad_repeat_count, 0},
        {"{a 3x}", key_error_bad_repeat_count, 0},
        {"ab+", key_error_dangling_modifier, 2},
        {"(a^)", key_error_dangling_modifier, 2},
        {"^%", key_error_dangling_modifier, 0},
    };
    for (const BadCase& c : cases) {
        const ParsedKeys parsed = parse_key_notation(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.error, c.error) << c.text;
        EXPECT_EQ(parsed.error_position, c.position) << c.text;
        EXPECT_TRUE(parsed.strokes.empty()) << c.text;
    }
}

TEST(KeyNotation, HugeOrDeepTextIsRefusedWithoutUnboundedWork)
{
    // Repeat counts multiply a short text into many strokes: the run is bounded.
    EXPECT_EQ(parse_key_notation(QStringLiteral("{a 9999}").repeated(11)).error, key_error_too_many_keys);
    EXPECT_EQ(parse_key_notation(QStringLiteral("{a 9999}").repeated(10)).strokes.size(), 99990u);

    // Nesting far beyond any board is a malformed group, not a stack overflow.
    const QString deep = QString(100000, u'(') + u'a' + QString(100000, u')');
    EXPECT_EQ(parse_key_notation(deep).error, key_error_unbalanced_parenthesis);
    const QString ok_depth = QString(10, u'(') + u'a' + QString(10, u')');
    EXPECT_EQ(parse_key_notation(ok_depth).strokes, chars("a"));
}

TEST(KeyNotation, KeyNamesAreCaseInsensitiveAndExact)
{
    NamedKey key;
    EXPECT_TRUE(named_key_from_name(QStringLiteral("sCrOlLoCk"), &key));
    EXPECT_EQ(key, NamedKey::ScrollLock);
    EXPECT_TRUE(named_key_from_name(QStringLiteral("bk"), &key));
    EXPECT_EQ(key, NamedKey::Backspace);
    for (const char* bad : {"ENTER ", "F0", ""})
        EXPECT_FALSE(named_key_from_name(QString::fromLatin1(bad), &key)) << bad;
}

}  // namespace
}  // namespace orvel
