#pragma once
// The numbered message table and the caption translation hooks.
#include <QString>

namespace orvel {

// Message n of the table (0..20); any other index gives an empty text.
QString missatge(int index);

// The program ships Catalan only: the hooks return their text unchanged and are
// where a second interface language would go.
QString translate_caption(const QString& text);
QString translate_command_text(const QString& text);

}  // namespace orvel
