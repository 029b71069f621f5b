#include "ui/tec_virt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/messages.h"
#include "ui/command_file_picker.h"
#include "ui/text_field_insertion.h"

namespace orvel {

namespace {

constexpr int kKeyColumns = 8;

QPushButton* make_button(const QString& caption, const QString& name, const QString& accessible)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setAccessibleName(accessible);
    b->setFocusPolicy(Qt::NoFocus);  // the key-text field keeps the focus
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TecVirt::TecVirt(NotationTargets targets, CommandFilePicker& picker, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowDoesNotAcceptFocus), targets_(std::move(targets)), picker_(picker)
{
    setObjectName(QStringLiteral("TecVirt"));
    setWindowTitle(tr("Teclat Auxiliar"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    auto* key_grid = new QGridLayout;
    int place = 0;
    for (const AuxKey& key : aux_keyboard_keys()) {
        // The button shows its caption; assistive tools read the notation it inserts.
        QPushButton* b = make_button(translate_caption(key.caption), QStringLiteral("Tecla_%1").arg(key.index), key.text);
        connect(b, &QPushButton::clicked, this, [this, i = key.index] { key_Click(i); });
        key_grid->addWidget(b, place / kKeyColumns, place % kKeyColumns);
        keys_[key.index] = b;
        ++place;
    }
    layout->addLayout(key_grid);
    auto* picture_row = new QGridLayout;
    for (int i = 0; i < kAuxPictures; ++i) {
        QPushButton* b = make_button(aux_picture_caption(i), QStringLiteral("Imatge_%1").arg(i),
                                     aux_picture_description(i));
        connect(b, &QPushButton::clicked, this, [this, i] { picture_Click(i); });
        picture_row->addWidget(b, 0, i);
        pictures_[static_cast<size_t>(i)] = b;
    }
    layout->addLayout(picture_row);
}

QPushButton* TecVirt::key_button(int index) const
{
    const auto it = keys_.find(index);
    return it == keys_.end() ? nullptr : it->second;
}

void TecVirt::key_Click(int index)
{
    for (const AuxKey& key : aux_keyboard_keys())
        if (key.index == index)
            insert_key_notation(open_window_count(), key.text);
}

void TecVirt::picture_Click(int index)
{
    QString chosen;
    if (index == kAuxLoadPicture || index == kAuxExecutePicture) {
        // The field is chosen after the dialog, once it has closed again.
        chosen = accept_chosen_file(picker_.choose_file(aux_picture_dialog(index)), picker_.board_folder());
        if (chosen.isEmpty())
            return;
    }
    const QString text = aux_picture_text(index, chosen);
    if (!text.isEmpty())
        insert_key_notation(open_window_count(), text);
}

QWidget* TecVirt::field_for(int open_windows) const
{
    const auto resolve = [](const std::function<QWidget*()>& f) { return f ? f() : nullptr; };
    switch (notation_field(open_windows)) {
    case NotationField::AreaKeys:
        return resolve(targets_.area_keys);
    case NotationField::InitialKeys:
        return resolve(targets_.initial_keys);
    case NotationField::BuilderParameter:
        return resolve(targets_.builder_parameter);
    }
    return nullptr;
}

void TecVirt::insert_key_notation(int open_windows, const QString& text)
{
    QWidget* field = field_for(open_windows);
    if (!field)
        return;
    insert_into_field(field, text);
    field->activateWindow();
}

int TecVirt::open_window_count()
{
    int count = 0;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w->isVisible() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool))
            ++count;
    }
    return count;
}

void TecVirt::close_quietly()
{
    closing_quietly_ = true;
    close();
    closing_quietly_ = false;
}

void TecVirt::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!closing_quietly_ && closed_by_user)
        closed_by_user();
}

}  // namespace orvel
