#include "ui/macros_menu.h"

#include <QMenu>

namespace orvel {

namespace {
const char kSelectCaption[] = QT_TRANSLATE_NOOP("orvel::MacrosMenu", "Seleccionar");
}  // namespace

MacrosMenu::MacrosMenu(QWidget* parent, Catalogue& catalogue, QString program_folder, MacroMenuHooks hooks)
    : QObject(parent), catalogue_(catalogue), program_folder_(std::move(program_folder)), hooks_(std::move(hooks))
{
    mn_macro_ = new QMenu(tr("Macros"), parent);
    mn_macro_->setObjectName(QStringLiteral("mn_macro"));
    carregar_ = mn_macro_->addMenu(tr("Carregar macros"));
    carregar_->setObjectName(QStringLiteral("mn_carregar_macros"));
    seleccionar_ = mn_macro_->addMenu(tr(kSelectCaption));
    seleccionar_->setObjectName(QStringLiteral("mn_seleccionar"));
    show_programs();
    show_macros();
}

void MacrosMenu::show_programs()
{
    carregar_->clear();
    for (int k = 1; k <= static_cast<int>(catalogue_.programs.size()); ++k) {
        QAction* a = carregar_->addAction(catalogue_.programs[static_cast<size_t>(k - 1)].title);
        a->setObjectName(QStringLiteral("mn_programa_%1").arg(k));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, k] { program_Click(k); });
    }
}

void MacrosMenu::show_macros()
{
    seleccionar_->clear();
    // A program without a title would leave the menu with no caption to click.
    seleccionar_->setTitle(catalogue_.macros_title.isEmpty() ? tr(kSelectCaption)
                                                             : catalogue_.macros_title);
    for (int k = 1; k <= static_cast<int>(catalogue_.macros.size()); ++k) {
        QAction* a = seleccionar_->addAction(catalogue_.macros[static_cast<size_t>(k - 1)].title);
        a->setObjectName(QStringLiteral("mn_macro_%1").arg(k));
        connect(a, &QAction::triggered, this, [this, k] { macro_Click(k); });
    }
}

void MacrosMenu::mark_program(int k)
{
    const QList<QAction*> items = carregar_->actions();
    for (int i = 0; i < items.size(); ++i)
        items[i]->setChecked(i + 1 == k);
}

void MacrosMenu::show_board_program(const QString& program_text)
{
    // A program the catalogue does not know leaves the macros loaded before.
    if (const int k = find_program_entry(catalogue_, program_text))
        program_Click(k);
}

void MacrosMenu::program_Click(int k)
{
    if (!choose_program(catalogue_, k))
        return;
    mark_program(k);
    show_macros();
}

void MacrosMenu::macro_Click(int k)
{
    if (!hooks_.current_area || !hooks_.read_fields || !hooks_.write_fields)
        return;
    MacroPanelFields fields = hooks_.read_fields();
    if (choose_macro(catalogue_, k, hooks_.current_area(), program_folder_, fields))
        hooks_.write_fields(fields);
}

}  // namespace orvel
