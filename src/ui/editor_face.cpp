#include "ui/editor_face.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

#include "editor/area_fields.h"
#include "editor/geometry_tools.h"
#include "editor/symbol_index.h"
#include "model/board_file_commands.h"
#include "model/file_names.h"
#include "model/messages.h"
#include "platform/message_boxes.h"
#include "runtime/area_at_point.h"
#include "runtime/reaction_record.h"
#include "ui/area_canvas.h"
#include "ui/area_panel.h"
#include "ui/scan_cost_legend.h"
#include "ui/geometry_dialogs.h"

namespace orvel {

namespace {

std::optional<QString> chosen(const QString& name)
{
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

EditorHooks default_hooks(QWidget* owner)
{
    EditorHooks hooks;
    hooks.open_file = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    hooks.choose_picture = [owner](const QString& folder) {
        return chosen(QFileDialog::getOpenFileName(owner, QCoreApplication::translate("Orvel", "Símbol visual"), folder,
                                                   QCoreApplication::translate("Orvel", "Imatges (*.bmp *.BMP *.png *.PNG *.jpg *.JPG "
                                                                  "*.jpeg *.gif *.GIF *.pcx *.PCX *.ico *.svg)")));
    };
    hooks.choose_sound = [owner](const QString& folder) {
        return chosen(QFileDialog::getOpenFileName(owner, QCoreApplication::translate("Orvel", "Carregar Fitxers de so"), folder,
                                                   QCoreApplication::translate("Orvel", "Fitxers so (*.WAV *.wav)")));
    };
    return hooks;
}

}  // namespace

EditorFace::EditorFace(OrvelState& state, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), state_(state), board_(state.tmpl), messages_(messages), hooks_(default_hooks(this))
{
    setObjectName(QStringLiteral("editor"));
    auto* layout = new QHBoxLayout(this);
    canvas_ = new AreaCanvas(board_);
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->set_band(&band_);
    canvas_->mouse_down = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        TSArea_MouseDown(b, m, x, y);
    };
    canvas_->mouse_move = [this](int x, int y) { TSArea_MouseMove(x, y); };
    canvas_->mouse_up = [this](int x, int y) { TSArea_MouseUp(x, y); };
    canvas_->delete_pressed = [this] { EliminarArea_Click(); };
    auto* canvas_column = new QVBoxLayout;
    canvas_column->addWidget(canvas_);
    cost_legend_ = new ScanCostLegend;
    cost_legend_->setMaximumWidth(kCanvasPixelsWide);
    cost_legend_->hide();
    canvas_column->addWidget(cost_legend_);
    canvas_column->addStretch();
    layout->addLayout(canvas_column);
    auto* side = new QWidget;
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    Check1_ = new QCheckBox(tr("So actiu"));
    Check1_->setObjectName(QStringLiteral("Check1_0"));
    connect(Check1_, &QCheckBox::clicked, this, [this](bool checked) {
        board_.sound_active = checked ? -1 : 0;
        if (sound_active_changed)
            sound_active_changed(checked);
    });
    column->addWidget(Check1_);
    panel_ = new AreaPanel;
    column->addWidget(panel_, 1);
    layout->addWidget(side, 1);
    wire_panel();
    build_menus();
}

void EditorFace::show_sound_active(bool active)
{
    Check1_->setChecked(active);
}

EditorFace::~EditorFace()
{
    canvas_->set_band(nullptr);
}

void EditorFace::set_hooks(EditorHooks hooks)
{
    const EditorHooks defaults = default_hooks(this);
    if (!hooks.open_file)
        hooks.open_file = defaults.open_file;
    if (!hooks.choose_picture)
        hooks.choose_picture = defaults.choose_picture;
    if (!hooks.choose_sound)
        hooks.choose_sound = defaults.choose_sound;
    hooks_ = std::move(hooks);
}

void EditorFace::wire_panel()
{
    panel_->field_changed = [this](bool icon) {
        if (updating_)
            return;
        if (icon)
            board_.cover_outdated = -1;
        store_area_fields(false);
    };
    panel_->edge_changed = [this](Edge edge, int value) { edge_changed(edge, value); };
    panel_->edge_focus = [this](Edge, bool gained) { edge_focus(gained); };
    panel_->next_area = [this] { NextArea_Click(); };
    panel_->previous_area = [this] { PrevArea_Click(); };
    panel_->add_area = [this] { AfegirArea_Click(); };
    panel_->delete_area = [this] { EliminarArea_Click(); };
    panel_->choose_picture = [this] { choose_picture(); };
    panel_->choose_symbol = [this] { choose_symbol(); };
    panel_->view_picture = [this] { view_file(panel_->visual_symbol()->text(), ViewerKind::VisualSymbol); };
    panel_->view_clipboard_file = [this] {
        view_file(panel_->clipboard_file()->text(), ViewerKind::ClipboardFile);
    };
    panel_->choose_sound = [this] {
        close_aux_keyboard();
        if (const auto file = hooks_.choose_sound(board_.directory))
            panel_->sound_symbol()->setText(relative_path(*file, board_.directory));
    };
    panel_->play_sound = [this] {
        const QString sound = panel_->sound_symbol()->text();
        if (sound.isEmpty())
            return;
        close_aux_keyboard();
        if (hooks_.play_sound)
            hooks_.play_sound(sound);
    };
}

void EditorFace::build_menus()
{
    auto add = [this](QMenu* menu, const QString& caption, const char* name, std::function<void()> run) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
        return a;
    };
    mn_arees_ = new QMenu(tr("Arees"), this);
    mn_arees_->setObjectName(QStringLiteral("mn_arees"));
    add(mn_arees_, tr("&Subdividir àrea"), "MnuQuad", [this] { MnuQuad_Click(); });
    add(mn_arees_, tr("&Eliminar àrea"), "EliminarArea", [this] { EliminarArea_Click(); });
    add(mn_arees_, tr("&Afegir àrea"), "AfegirArea", [this] { AfegirArea_Click(); });
    add(mn_arees_, tr("Redimensionar àrees"), "RedimArea", [this] { RedimArea_Click(); });
    add(mn_arees_, tr("Ajustar àrees"), "AjustArea", [this] { AjustArea_Click(); });

    view_menu_ = new QMenu(tr("&Veure"), this);
    view_menu_->setObjectName(QStringLiteral("veure"));
    veure_pant_ = add(view_menu_, tr("&Caràtula"), "veure_pant", [this] {
        canvas_->set_cover_visible(veure_pant_->isChecked());
    });
    veure_pant_->setCheckable(true);
    veure_pant_->setChecked(true);
    veure_cost_ = add(view_menu_, tr("Cost d'&escaneig"), "veure_cost", [this] {
        show_scan_cost(veure_cost_->isChecked());
    });
    veure_cost_->setCheckable(true);

    edit_menu_ = new QMenu(tr("&Edició"), this);
    edit_menu_->setObjectName(QStringLiteral("MenuArea"));
    add(edit_menu_, tr("Copiar"), "mn_copiar_0", [this] { copy_key_text(); });
    add(edit_menu_, tr("Enganxar"), "mn_copiar_1", [this] { paste_key_text(); });
    add(edit_menu_, tr("Desfer"), "mn_copiar_2", [this] { Desfer_Click(); });
    edit_menu_->addSeparator();
    edit_menu_->addMenu(mn_arees_);

    help_menu_ = new QMenu(tr("&Ajuda"), this);
    help_menu_->setObjectName(QStringLiteral("ajuda"));
    auto open_help = [this] {
        const QString page = state_.folders.program + QStringLiteral("/help/index.html");
        if (!QFileInfo::exists(page) || !hooks_.open_file(page))
            messages_.show(missatge(1), QStringLiteral("Orvel"), MessageIcon::Exclamation);
    };
    add(help_menu_, tr("&Índex de l'ajuda"), "hlpIndex", open_help)->setShortcut(Qt::Key_F1);
    add(help_menu_, tr("Ajuda..."), "HlpK", open_help);
    add(help_menu_, tr("&Quant al Orvel..."), "MnuAbout", [this] {
        messages_.show(missatge(6) + QStringLiteral("\n\n") + symbol_library_attribution(), missatge(7),
                       MessageIcon::Information);
    });
}

void EditorFace::take_snapshot()
{
    copia_seguretat(state_, 1, messages_);
}

void EditorFace::set_draw_mode(bool on)
{
    band_.drawing = on;
    band_.dragging = false;
    canvas_->setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    canvas_->update();
}

void EditorFace::show_board(const QImage& cover, std::optional<bool> drawing)
{
    join_base_ = 0;
    edge_snapshot_index_ = 0;
    if (drawing)
        set_draw_mode(*drawing);
    show_sound_active(board_.sound_active != 0);
    if (sound_active_changed)
        sound_active_changed(board_.sound_active != 0);
    panel_->lay_out_for_format(board_.format_minor);
    if (veure_cost_->isChecked())
        show_scan_cost(true);
    canvas_->set_cover(cover);
    show_area(board_.current_area);
}

void EditorFace::show_scan_cost(bool on)
{
    veure_cost_->setChecked(on);
    cost_legend_->setVisible(on);
    if (!on) {
        canvas_->area_tints = nullptr;
        canvas_->board_changed();
        return;
    }
    // How often each area was chosen weighs the mean; read once, not at every repaint.
    cost_selections_ =
        selection_counts(read_reaction_record(state_.folders.state), board_.file_name, board_.area_count);
    // The legend follows every repaint of the outlines, and is right before the first.
    canvas_->area_tints = [this] {
        const ScanCostView view = scan_cost_view(board_, state_.profile, cost_selections_);
        cost_legend_->show_view(view);
        return view.tints;
    };
    canvas_->area_tints();
    canvas_->board_changed();
}

void EditorFace::profile_changed()
{
    if (veure_cost_->isChecked())
        show_scan_cost(true);
}

void EditorFace::show_area(int index)
{
    const Template& t = board_;
    const bool valid = index >= 1 && index <= t.area_count && index < static_cast<int>(t.areas.size());
    board_.current_area = static_cast<int16_t>(valid ? index : 0);
    updating_ = true;
    panel_->show_record(valid ? &t.area(index) : nullptr, index, t.area_count);
    updating_ = false;
    canvas_->set_selected(board_.current_area);
}

void EditorFace::store_area_fields(bool refresh)
{
    if (updating_)
        return;
    const int cur = board_.current_area;
    if (cur < 1 || cur > board_.area_count) {
        QApplication::beep();
        return;
    }
    updating_ = true;
    const Area stored = board_.area(cur);
    const Area a = panel_->read_record(stored);
    if (a.clip_type != stored.clip_type)
        panel_->clipboard_file()->clear();  // a change of kind forgets the file
    board_.area(cur) = a;
    updating_ = false;
    if (refresh)
        show_area(cur);
    else if (a.Xi != stored.Xi || a.Yi != stored.Yi || a.Xf != stored.Xf || a.Yf != stored.Yf)
        canvas_->board_changed();
    board_.modified = -1;
}

void EditorFace::finish_editing()
{
    if (join_base_ != 0) {
        drop_join(board_, join_base_);
        show_area(board_.current_area);
    }
    set_draw_mode(false);
}

// ---- The canvas ----

void EditorFace::TSArea_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    if (button == Qt::RightButton) {
        mn_arees_->popup(canvas_->mapToGlobal(QPoint(x, y)));
        return;
    }
    if (band_.drawing) {
        const QRect before = band_.rect();
        if (track_new_area(board_, band_, x, y, TrackPhase::Down) == TrackResult::Changed)
            canvas_->band_changed(before);
        return;
    }
    if (hooks_.leaving_area && board_.current_area >= 1 && board_.current_area <= board_.area_count)
        hooks_.leaving_area(board_.current_area);
    const int hit = area_at_point(board_, x, y);
    if (hit == 0)
        return;
    if (modifiers & Qt::ControlModifier) {
        const int shown = join_click(board_, join_base_, hit);
        show_area(shown);
        return;
    }
    drop_join(board_, join_base_);
    // The click may have landed on one of the join's records, gone now: the area
    // under the pointer is looked up again among those that stay.
    const int kept = hit <= board_.area_count ? hit : area_at_point(board_, x, y);
    take_snapshot();
    show_area(kept);
    panel_->key_text()->setFocus(Qt::MouseFocusReason);
}

void EditorFace::TSArea_MouseMove(int x, int y)
{
    if (!band_.drawing || !band_.dragging)
        return;
    const QRect before = band_.rect();
    if (track_new_area(board_, band_, x, y, TrackPhase::Move) == TrackResult::Changed)
        canvas_->band_changed(before);
}

void EditorFace::TSArea_MouseUp(int x, int y)
{
    if (!band_.drawing)
        return;
    const QRect before = band_.rect();
    const TrackResult result = track_new_area(board_, band_, x, y, TrackPhase::Up);
    if (result == TrackResult::Ignored)
        return;
    canvas_->band_changed(before);
    if (result == TrackResult::Appended) {
        board_.cover_outdated = -1;  // the cover shows every area
        set_draw_mode(false);
        show_area(board_.area_count);
    }
}

// ---- Area commands ----

void EditorFace::AfegirArea_Click()
{
    const int cur = board_.current_area;
    if (cur < 1 || cur > board_.area_count) {
        // An empty board has no area yet: its first one is drawn without a parent.
        if (board_.area_count == 0)
            set_draw_mode(!band_.drawing);
        else
            QApplication::beep();
        return;
    }
    take_snapshot();
    if (board_.area(cur).is_group == 0)
        board_.area(cur).is_group = -1;
    board_.cover_outdated = -1;
    set_draw_mode(!band_.drawing);
}

void EditorFace::EliminarArea_Click()
{
    if (!delete_current_area(board_)) {
        QApplication::beep();
        return;
    }
    // Taken after the deletion: "Desfer" then keeps the area deleted.
    take_snapshot();
    show_area(board_.area_count);
}

void EditorFace::NextArea_Click()
{
    // Stepping selects like a click does: the snapshot comes before the area's fields change.
    if (const auto next = next_area(board_)) {
        take_snapshot();
        show_area(*next);
    }
    else
        QApplication::beep();
}

void EditorFace::PrevArea_Click()
{
    if (const auto previous = previous_area(board_)) {
        take_snapshot();
        show_area(*previous);
    }
    else
        QApplication::beep();
}

void EditorFace::MnuQuad_Click()
{
    if (!can_subdivide(board_)) {
        QApplication::beep();
        return;
    }
    take_snapshot();
    Quadricula dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        subdivide_current_area(board_, dialog.rows(), dialog.columns());
    show_area(board_.area_count);
}

void EditorFace::RedimArea_Click()
{
    const int cur = board_.current_area;
    if (cur < 1 || cur > board_.area_count)
        return;
    take_snapshot();
    RDM dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    redim_areas(board_, dialog.horizontal(), dialog.vertical(), join_base_);
    show_area(cur);
}

void EditorFace::AjustArea_Click()
{
    take_snapshot();
    if (adjust_current_area(board_))
        show_area(board_.current_area);
    else
        QApplication::beep();
}

// ---- Edge scrollbars ----

void EditorFace::edge_changed(Edge edge, int value)
{
    if (!edge_change_accepted(board_, edge, value)) {
        const int cur = board_.current_area;
        const Area& a = board_.area(cur >= 1 && cur <= board_.area_count ? cur : 0);
        const int stored = edge == Edge::Xi ? a.Xi : edge == Edge::Xf ? a.Xf : edge == Edge::Yi ? a.Yi : a.Yf;
        panel_->set_edge_value(edge, stored);
        return;
    }
    board_.cover_outdated = -1;
    store_area_fields(true);
}

void EditorFace::edge_focus(bool gained)
{
    const int cur = board_.current_area;
    // Only the gain takes the undo snapshot: one taken on the loss would hold the
    // moved edge, and "Desfer" could no longer bring it back.
    if (gained && cur >= 1 && cur <= board_.area_count)
        take_snapshot();
    const int n = edge_snapshot_index_;
    if (n >= 1 && n <= board_.area_count) {
        const Area& now = board_.area(n);
        const Area& old = edge_snapshot_;
        const double ow = old.Xf - old.Xi, oh = old.Yf - old.Yi;
        const double h = ow != 0 ? (now.Xf - now.Xi) / ow * 100 : 100;
        const double v = oh != 0 ? (now.Yf - now.Yi) / oh * 100 : 100;
        rescale_descendants(board_, n, h, v, old, join_base_);
        edge_snapshot_index_ = 0;
        show_area(n);
    }
    if (gained && board_.current_area >= 1) {
        edge_snapshot_ = board_.area(board_.current_area);
        edge_snapshot_index_ = board_.current_area;
    }
}

// ---- Files of the area ----

void EditorFace::close_aux_keyboard()
{
    if (hooks_.close_aux_keyboard)
        hooks_.close_aux_keyboard();
}

void EditorFace::choose_picture()
{
    close_aux_keyboard();
    const QString current = panel_->visual_symbol()->text();
    QString folder = board_.directory;
    if (is_absolute_stored_name(current))
        folder = QFileInfo(resolve_stored_name(current, board_.directory)).absolutePath();
    if (const auto file = hooks_.choose_picture(folder))
        panel_->visual_symbol()->setText(relative_path(*file, board_.directory));
}

void EditorFace::choose_symbol()
{
    close_aux_keyboard();
    const int cur = board_.current_area;
    if (!hooks_.choose_symbol || cur < 1 || cur > board_.area_count)
        return;
    const auto file = hooks_.choose_symbol();
    if (!file)
        return;
    panel_->visual_symbol()->setText(relative_path(*file, board_.directory));
    // The cover shows the new picture at once, as when the area is left.
    if (hooks_.leaving_area)
        hooks_.leaving_area(cur);
}

void EditorFace::view_file(const QString& name, ViewerKind kind)
{
    if (name.isEmpty())
        return;
    close_aux_keyboard();
    const QString path = resolve_stored_name(name, board_.directory);
    if (!viewer_accepts(kind, name) || !QFileInfo::exists(path) || !hooks_.open_file(path))
        messages_.show(missatge(1), QStringLiteral("Orvel"), MessageIcon::Exclamation);
}

// ---- "&Edició" ----

void EditorFace::copy_key_text()
{
    QString selected = panel_->key_text()->textCursor().selectedText();
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void EditorFace::paste_key_text()
{
    insert_key_text(QApplication::clipboard()->text());
}

void EditorFace::insert_key_text(const QString& text)
{
    QPlainTextEdit* box = panel_->key_text();
    const CaretText result = insert_at_caret(box->toPlainText(), box->textCursor().position(), text);
    box->setPlainText(result.text);  // stores the area through the box's change report
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(result.caret);
    box->setTextCursor(cursor);
    box->setFocus(Qt::OtherFocusReason);
}

void EditorFace::Desfer_Click()
{
    const int cur = board_.current_area;
    if (!copia_seguretat(state_, 2, messages_))
        return;
    join_base_ = 0;
    edge_snapshot_index_ = 0;
    band_.dragging = false;
    // The area that was being edited stays selected when the restored board still has it.
    show_area(cur <= board_.area_count ? cur : board_.current_area);
    canvas_->board_changed();
}

}  // namespace orvel
