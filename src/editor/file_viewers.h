#pragma once
// What the area panel's "Veure" buttons may open in the desktop's default
// application: .PCX and .BMP pictures (both fields) and .WRI and .TXT texts (the
// clipboard file). Other kinds are refused with "No es pot activar el fitxer de l'imatge".
#include <QString>

namespace orvel {

enum class ViewerKind { VisualSymbol, ClipboardFile };
bool viewer_accepts(ViewerKind kind, const QString& file_name);

}  // namespace orvel
