#include "ui/symbol_chooser.h"

#include <QDir>

#include "editor/symbol_bitmap.h"
#include "platform/message_boxes.h"
#include "ui/symbol_picker.h"

namespace orvel {

SymbolChooser::SymbolChooser(QWidget* parent, std::function<QString()> library_folder, MessageBoxes& messages)
    : parent_(parent), library_folder_(std::move(library_folder)), messages_(messages)
{
}

QString SymbolChooser::choose(const QString& board_folder, QSize size, const QString& query, const QString& caption)
{
    QString problem;
    const QString folder = library_folder_();
    if (!library_ || library_->folder() != QDir(folder).absolutePath())
        library_ = SymbolIndex::load(folder, &problem);
    SymbolPicker picker(library_, problem, query, parent_);
    picker.offer_caption(caption);
    if (run_picker)
        run_picker(picker);
    else
        picker.exec();
    const std::optional<SymbolMatch> chosen = picker.chosen();
    if (picker.result() != QDialog::Accepted || !chosen || !library_)
        return QString();
    const SymbolBitmap written =
        write_symbol_bitmap(library_->picture_path(chosen->symbol), chosen->label, size, board_folder,
                            picker.caption());
    if (!written.problem.isEmpty()) {
        messages_.show(written.problem, QStringLiteral("Orvel"), MessageIcon::Exclamation);
        return QString();
    }
    return written.path;
}

}  // namespace orvel
