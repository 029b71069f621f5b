#include "ui/command_file_picker.h"

#include <QDir>
#include <QFileDialog>

#include "ui/rec_graf.h"

namespace orvel {

namespace {
constexpr int kPictureBrowserKind = 5;
constexpr int kPasteDialog = 3;
}  // namespace

CommandFilePicker::CommandFilePicker(QWidget* parent, std::function<QString()> board_folder, QString program_folder)
    : parent_(parent), board_folder_(std::move(board_folder)), program_folder_(std::move(program_folder))
{
}

QString CommandFilePicker::start_folder(StartFolder start) const
{
    switch (start) {
    case StartFolder::Board:
        return board_folder();
    case StartFolder::Program:
        return program_folder_;
    case StartFolder::Current:
        break;
    }
    return QDir::currentPath();
}

QString CommandFilePicker::choose_file(const FileDialogSettings& settings, int memory_slot)
{
    const bool remembers = memory_slot >= 0 && memory_slot < kCommandFileDialogs;
    QString initial = settings.initial_name;
    if (initial.isEmpty() && remembers)
        initial = last_chosen_[static_cast<size_t>(memory_slot)];
    const QString folder = start_folder(settings.start);
    const QString chosen = open_file_dialog_ ? open_file_dialog_(settings, folder, initial)
                                             : show_qt_dialog(settings, folder, initial);
    if (remembers && !chosen.isEmpty())
        last_chosen_[static_cast<size_t>(memory_slot)] = chosen;
    return chosen;
}

QString CommandFilePicker::show_qt_dialog(const FileDialogSettings& settings, const QString& start_folder,
                                          const QString& initial_name)
{
    QFileDialog dialog(parent_, settings.title, start_folder);
    dialog.setObjectName(QStringLiteral("CMDialog1"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = qt_name_filters(settings.filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    // The filter already shows the pattern; only a real name goes into the name box.
    if (!initial_name.isEmpty() && !initial_name.contains(QLatin1Char('*')))
        dialog.selectFile(initial_name);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString CommandFilePicker::pick_command_file(int kind)
{
    if (kind == kPictureBrowserKind)
        return accept_chosen_file(browse_picture(), board_folder());
    if (kind < 0 || kind >= kCommandFileDialogs)
        return QString();
    FileDialogSettings settings = command_file_dialog(kind);
    if (kind == kPasteDialog)
        settings.initial_name = QStringLiteral("*.TXT");
    return accept_chosen_file(choose_file(settings, kind), board_folder());
}

QString CommandFilePicker::browse_picture(const QString& start_folder)
{
    rec_graf browser(picture_choice_, parent_);
    browser.set_symbol_chooser(symbol_chooser_);
    if (!start_folder.isEmpty())
        browser.set_folder(start_folder);
    return browser.exec() == QDialog::Accepted ? picture_choice_ : QString();
}

}  // namespace orvel
