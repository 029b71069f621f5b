#include "ui/symbol_picker.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/symbol_grid_model.h"

namespace orvel {

namespace {
constexpr int kThumbnail = 64;
constexpr int kCell = 104;
}  // namespace

SymbolPicker::SymbolPicker(std::shared_ptr<const SymbolIndex> index, const QString& problem, const QString& query,
                           QWidget* parent)
    : QDialog(parent), problem_(problem)
{
    setObjectName(QStringLiteral("simbols"));
    setWindowTitle(tr("Símbols"));
    setModal(true);

    auto* search_label = new QLabel(tr("&Cerca:"));
    search_ = new QLineEdit;
    search_->setObjectName(QStringLiteral("simbols_cerca"));
    search_->setAccessibleName(tr("Cerca de símbols"));
    search_->setClearButtonEnabled(true);
    search_label->setBuddy(search_);
    search_->installEventFilter(this);

    model_ = new SymbolGridModel(QSize(kThumbnail, kThumbnail), this);
    model_->set_index(std::move(index));
    grid_ = new QListView;
    grid_->setObjectName(QStringLiteral("simbols_graella"));
    grid_->setAccessibleName(tr("Símbols trobats"));
    grid_->setViewMode(QListView::IconMode);
    grid_->setMovement(QListView::Static);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setWrapping(true);
    grid_->setUniformItemSizes(true);
    grid_->setIconSize(QSize(kThumbnail, kThumbnail));
    grid_->setGridSize(QSize(kCell, kCell));
    grid_->setWordWrap(true);
    grid_->setTextElideMode(Qt::ElideRight);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setModel(model_);
    grid_->setMinimumSize(kCell * 6 + 24, kCell * 4 + 8);
    connect(grid_, &QListView::activated, this, [this] { choose(); });

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("simbols_estat"));
    status_->setWordWrap(true);
    caption_box_ = new QCheckBox;
    caption_box_->setObjectName(QStringLiteral("simbols_amb_text"));
    caption_box_->setVisible(false);
    auto* credit = new QLabel(symbol_library_attribution());
    credit->setObjectName(QStringLiteral("simbols_credit"));
    credit->setAccessibleName(tr("Crèdits dels símbols"));
    credit->setWordWrap(true);

    accept_ = new QPushButton(tr("D'Acord"));
    accept_->setObjectName(QStringLiteral("simbols_dacord"));
    accept_->setAccessibleName(accept_->text());
    auto* cancel = new QPushButton(tr("Cancel·lar"));
    cancel->setObjectName(QStringLiteral("simbols_cancelar"));
    cancel->setAccessibleName(cancel->text());
    // Enter is handled by the search field and the grid themselves: no default button
    // takes it first.
    accept_->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(accept_, &QPushButton::clicked, this, [this] { choose(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* search_row = new QHBoxLayout;
    search_row->addWidget(search_label);
    search_row->addWidget(search_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(credit, 1);
    buttons->addWidget(accept_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search_row);
    layout->addWidget(grid_, 1);
    layout->addWidget(status_);
    layout->addWidget(caption_box_);
    layout->addLayout(buttons);

    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) { search(text); });
    search_->setText(query);
    search(query);
    search_->selectAll();
    search_->setFocus(Qt::OtherFocusReason);
}

void SymbolPicker::offer_caption(const QString& caption)
{
    caption_ = caption.simplified();
    caption_box_->setText(tr("Amb el text «%1» a sota").arg(caption_));
    caption_box_->setAccessibleName(caption_box_->text());
    caption_box_->setChecked(!caption_.isEmpty());
    caption_box_->setVisible(!caption_.isEmpty());
}

QString SymbolPicker::caption() const
{
    return caption_box_->isChecked() ? caption_ : QString();
}

void SymbolPicker::search(const QString& text)
{
    model_->show_search(text);
    const int found = model_->rowCount();
    if (found > 0)
        grid_->setCurrentIndex(model_->index(0));
    accept_->setEnabled(found > 0);
    if (!model_->library())
        status_->setText(problem_);
    else if (found == 0)
        status_->setText(tr("Cap símbol no conté «%1».").arg(text.trimmed()));
    else
        status_->setText(tr("%n símbols", nullptr, found));
    // Read out as it stands: how many were found, or why there are none.
    status_->setAccessibleName(status_->text());
}

void SymbolPicker::choose()
{
    const SymbolMatch* m = model_->match(grid_->currentIndex().row());
    if (!m)
        return;
    chosen_ = *m;
    accept();
}

bool SymbolPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // The grid moves while the person keeps typing in the field.
            QCoreApplication::sendEvent(grid_, event);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            choose();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orvel
