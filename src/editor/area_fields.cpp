#include "editor/area_fields.h"

#include <QStringList>

namespace orvel {

namespace {

QString with_slashes(QString name)
{
    return name.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

}  // namespace

QString relative_path(const QString& file_name, const QString& board_folder)
{
    const QString name = with_slashes(file_name);
    QString folder = with_slashes(board_folder);
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    // Only a name that starts with the folder and a separator lies inside it; a folder
    // merely occurring elsewhere in the name ("/b" in "/a/b/x") says nothing.
    if (folder.isEmpty() || !name.startsWith(folder, Qt::CaseInsensitive) || name.size() <= folder.size() + 1 ||
        name.at(folder.size()) != QLatin1Char('/'))
        return file_name;
    return name.mid(folder.size() + 1);
}

CaretText insert_at_caret(const QString& text, int caret, const QString& insert)
{
    const int at = std::clamp(caret, 0, static_cast<int>(text.size()));
    return {text.left(at) + insert + text.mid(at), at + static_cast<int>(insert.size())};
}

bool viewer_accepts(ViewerKind kind, const QString& file_name)
{
    const QString ending = file_name.right(4).toUpper();
    if (ending == QLatin1String(".PCX") || ending == QLatin1String(".BMP"))
        return true;
    return kind == ViewerKind::ClipboardFile && (ending == QLatin1String(".WRI") || ending == QLatin1String(".TXT"));
}

}  // namespace orvel
