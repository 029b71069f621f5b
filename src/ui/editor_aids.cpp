#include "ui/editor_aids.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "model/orvel_state.h"
#include "editor/builder_captions.h"
#include "editor/symbol_bitmap.h"
#include "model/folders.h"
#include "ui/area_panel.h"
#include "ui/builder_fill.h"
#include "ui/plant_form.h"
#include "ui/aux_keyboard.h"
#include "ui/command_file_picker.h"
#include "ui/command_menus.h"
#include "ui/editor_face.h"
#include "ui/macros_menu.h"
#include "ui/symbol_chooser.h"
#include "ui/tec_virt.h"

namespace orvel {

EditorAids::EditorAids(QWidget* window, EditorFace& editor, OrvelState& state, MessageBoxes& messages)
    : QObject(window), window_(window), editor_(editor), state_(state)
{
    picker_ = std::make_unique<CommandFilePicker>(
        window, [&state] { return state.tmpl.directory; }, state.folders.program);
    symbols_ = std::make_unique<SymbolChooser>(window, [&state] { return symbols_folder(state.folders); }, messages);
    picker_->set_symbol_chooser([this] { return choose_symbol(); });

    NotationTargets targets;
    targets.area_keys = [&editor]() -> QWidget* { return editor.panel()->key_text(); };
    targets.initial_keys = [this]() -> QWidget* { return global_data_ ? global_data_->Tecles() : nullptr; };
    targets.builder_parameter = [this]() -> QWidget* {
        return builder_ ? builder_->parameter_field.data() : nullptr;
    };
    aux_keyboard_ = new AuxKeyboard(window, std::move(targets), *picker_);
    editor.view_menu()->addAction(aux_keyboard_->tecAux());
    auto* tec_aux = new QCheckBox(tr("Tec. Aux."));
    tec_aux->setObjectName(QStringLiteral("Check_tecAux"));
    editor.panel()->add_key_text_aid(tec_aux);
    aux_keyboard_->bind_check_box(tec_aux);
    auto* assistant = new QPushButton(tr("Assistent tecles"));
    assistant->setObjectName(QStringLiteral("CODI_MODUS_BOTO_1"));
    assistant->setAccessibleName(assistant->text());
    editor.panel()->add_key_text_aid(assistant);
    connect(assistant, &QPushButton::clicked, this, [this] { open_builder(); });

    CommandMenuHooks command_hooks;
    command_hooks.insert_at_caret = [&editor](const QString& text) { editor.insert_key_text(text); };
    command_hooks.set_visual_symbol = [&editor](const QString& file) {
        editor.panel()->visual_symbol()->setText(file);
    };
    command_menus_ = new CommandMenus(window, *picker_, aux_keyboard_, std::move(command_hooks));

    MacroMenuHooks macro_hooks;
    macro_hooks.current_area = [&state] { return state.tmpl.current_area; };
    macro_hooks.read_fields = [&editor] {
        AreaPanel* panel = editor.panel();
        return MacroPanelFields{panel->key_text()->toPlainText(), panel->sound_symbol()->text(),
                                panel->visual_symbol()->text()};
    };
    macro_hooks.write_fields = [&editor](const MacroPanelFields& fields) {
        AreaPanel* panel = editor.panel();
        panel->key_text()->setPlainText(fields.keys);
        panel->sound_symbol()->setText(fields.sound);
        panel->visual_symbol()->setText(fields.picture);
    };
    macros_menu_ = new MacrosMenu(window, state.catalogue, state.folders.program, std::move(macro_hooks));

    EditorHooks hooks = editor.hooks();
    hooks.choose_picture = [this](const QString& folder) -> std::optional<QString> {
        const QString chosen = picker_->browse_picture(folder);
        return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
    };
    hooks.choose_symbol = [this]() -> std::optional<QString> {
        const QString chosen = choose_symbol();
        return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
    };
    hooks.close_aux_keyboard = [this] { aux_keyboard_->close_aux_keyboard(); };
    editor.set_hooks(std::move(hooks));
}

EditorAids::~EditorAids() = default;

QString EditorAids::choose_symbol()
{
    const Template& t = state_.tmpl;
    const int n = t.current_area;
    const bool area = n >= 1 && n <= t.area_count;
    return symbols_->choose(t.directory, symbol_size_for_area(t, n), area ? symbol_query_for_area(t.area(n)) : QString(),
                            area ? symbol_caption_for_area(t.area(n)) : QString());
}

std::vector<QMenu*> EditorAids::menus() const
{
    // "Ordres", "Macros", "Ratolí", "Memoria".
    std::vector<QMenu*> bar = command_menus_->menus();
    bar.insert(bar.begin() + (bar.empty() ? 0 : 1), macros_menu_->menu());
    return bar;
}

void EditorAids::catalogue_read()
{
    macros_menu_->show_programs();
    macros_menu_->show_macros();
}

void EditorAids::board_loaded(const QString& program_text)
{
    macros_menu_->show_board_program(program_text);
}

void EditorAids::open_global_data(const std::function<void()>& accepted)
{
    PlantFormHooks hooks;
    hooks.aux_keyboard = aux_keyboard_;
    hooks.macros_changed = [this] { macros_menu_->show_macros(); };
    hooks.accepted = accepted;
    PlantForm dialog(state_, *picker_, std::move(hooks), window_);
    global_data_ = &dialog;
    dialog.exec();
}

void EditorAids::open_builder()
{
    builder_ = std::make_unique<BuilderSession>(state_, *picker_);
    builder_->aux_keyboard = aux_keyboard_;
    builder_->scratch_path = state_.folders.state + QLatin1Char('/') + QLatin1String(kCaptionListFileName);
    Fill top(*builder_, editor_.panel()->key_text()->toPlainText(), builder_->program_name, window_);
    top.delivered = [this](const JoinedCode& joined) {
        AreaPanel* panel = editor_.panel();
        // Stored into the area as a typed key text would be.
        panel->key_text()->setPlainText(joined.keys);
        if (!joined.symbol.isEmpty())
            panel->visual_symbol()->setText(joined.symbol);
    };
    top.exec();
    builder_.reset();
}

}  // namespace orvel
