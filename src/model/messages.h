#pragma once
// The numbered message table and the caption translation hooks.
#include <QString>

namespace orvel {

// Message n of the table (0..20) in the interface language; any other index gives an
// empty text. The words that the command language and voice control compare with (8, 9,
// 10 and the voice orders 16..20) stay as written, whatever the language.
QString missatge(int index);

// A caption kept in a table and marked with QT_TRANSLATE_NOOP("Orvel", ...), in the
// interface language; any other text comes back unchanged.
QString translate_caption(const QString& text);
// Command texts go into key texts, which must run in every language: unchanged.
QString translate_command_text(const QString& text);

}  // namespace orvel
