#include "ui/cover_menu.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

#include "editor/cover_commands.h"
#include "editor/cover_file.h"
#include "editor/cover_layout.h"
#include "model/file_names.h"
#include "model/ini_file.h"
#include "model/settings.h"
#include "platform/message_boxes.h"

namespace orvel {

QString paint_program(const Folders& folders)
{
    const IniFile ini(settings_file_to_read(folders));
    return ini.read_string(QString::fromLatin1(kProfileSection), QStringLiteral("EditorImatges"), QString())
        .trimmed();
}

CoverMenu::CoverMenu(OrvelState& state, MessageBoxes& messages, QWidget* parent)
    : QMenu(tr("&Caràtula"), parent), state_(state), messages_(messages)
{
    setObjectName(QStringLiteral("caratula"));
    QAction* nova = addAction(tr("&Nova"));
    nova->setObjectName(QStringLiteral("CaratulaDesar"));
    connect(nova, &QAction::triggered, this, [this] { CaratulaDesar_Click(); });
    QAction* editar = addAction(tr("&Editar"));
    editar->setObjectName(QStringLiteral("CaratulaEditar"));
    connect(editar, &QAction::triggered, this, [this] { CaratulaEditar_Click(); });

    open_in_paint = [this](const QString& path) {
        const QString program = paint_program(state_.folders);
        if (program.isEmpty())
            return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        QStringList arguments = QProcess::splitCommand(program);
        if (arguments.isEmpty())
            return false;
        const QString executable = arguments.takeFirst();
        arguments << path;
        return QProcess::startDetached(executable, arguments);
    };
}

namespace {

CoverCommandHooks command_hooks(CoverMenu& menu)
{
    CoverCommandHooks hooks;
    hooks.save = menu.save;
    hooks.close_aux_keyboard = menu.close_aux_keyboard;
    hooks.open_in_paint = menu.open_in_paint;
    hooks.choose_cover_name = [&menu](const QString& folder, const QString& proposed) -> std::optional<QString> {
        const QString chosen = QFileDialog::getSaveFileName(
            menu.parentWidget(), CoverMenu::tr("Enregistrar Caràtula"), folder + QLatin1Char('/') + proposed,
            CoverMenu::tr("Làmines de tauleta  (*.BMP *.bmp)"));
        if (chosen.isEmpty())
            return std::nullopt;
        return QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".BMP") : chosen;
    };
    return hooks;
}

}  // namespace

void CoverMenu::CaratulaDesar_Click()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    orvel::CaratulaDesar_Click(state_.tmpl, pictures_, command_hooks(*this), messages_);
    QGuiApplication::restoreOverrideCursor();
    show_generated();
}

void CoverMenu::CaratulaEditar_Click()
{
    orvel::CaratulaEditar_Click(state_.tmpl, pictures_, command_hooks(*this), messages_);
    show_generated();
}

void CoverMenu::generate_on_save(Template& t)
{
    const WriteResult drawn = generate_cover(t, pictures_);
    if (!drawn) {
        messages_.show(cover_error_message(drawn.error_number, drawn.error_text), QStringLiteral("Orvel"),
                       MessageIcon::Critical);
        return;
    }
    show_generated();
}

void CoverMenu::leaving_area(int n)
{
    const Template& t = state_.tmpl;
    if (t.auto_cover == 0 || n < 1 || n > t.area_count)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // Only the piece of the area left is redrawn, unless the kept cover shows another
    // board or other areas changed since (undo, a loaded board, the geometry tools).
    bool others_changed = lamina_.size() != blank_cover(t).size() || drawn_folder_ != t.directory ||
                          drawn_areas_.size() != t.areas.size();
    for (size_t i = 1; !others_changed && i < t.areas.size(); ++i)
        others_changed = static_cast<int>(i) != n && !(drawn_areas_[i] == t.areas[i]);
    if (others_changed)
        lamina_ = render_cover(t, pictures_);
    else
        caratulaCrear_num(lamina_, t, n, pictures_);
    drawn_areas_ = t.areas;
    drawn_folder_ = t.directory;
    QGuiApplication::restoreOverrideCursor();
    if (cover_changed)
        cover_changed(lamina_);
}

void CoverMenu::show_generated()
{
    const Template& t = state_.tmpl;
    const QImage written = pictures_.picture(resolve_stored_name(t.cover_file, t.directory));
    if (written.isNull())
        return;
    lamina_ = written.convertToFormat(QImage::Format_RGB32);
    drawn_areas_ = t.areas;
    drawn_folder_ = t.directory;
    if (cover_changed)
        cover_changed(lamina_);
}

}  // namespace orvel
