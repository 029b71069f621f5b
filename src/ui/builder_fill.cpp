#include "ui/builder_fill.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "editor/builder_captions.h"
#include "model/messages.h"
#include "ui/builder_dades.h"
#include "ui/builder_sim.h"
#include "ui/command_file_picker.h"

namespace orvel {

namespace {
const char* const kCodiCaptions[] = {QT_TRANSLATE_NOOP("Orvel", "+ Codi"), QT_TRANSLATE_NOOP("Orvel", "- Codi"),
                                     QT_TRANSLATE_NOOP("Orvel", "^ Codi")};
const char* const kExitCaptions[] = {QT_TRANSLATE_NOOP("Orvel", "Acceptar"), QT_TRANSLATE_NOOP("Orvel", "Cancelar")};
const char kFillTitle[] = QT_TRANSLATE_NOOP("Orvel", "Assistent tecles");
const QString kNoKind = QStringLiteral("-");
}  // namespace

int builder_file_kind(const QString& parameter)
{
    if (parameter == QLatin1String("Fitxer exe"))
        return 0;
    if (parameter == QLatin1String("Fitxer so"))
        return 1;
    if (parameter == QLatin1String("Fitxer Orv"))
        return 2;
    if (parameter == QLatin1String("Fitxer text"))
        return 3;
    if (parameter == QStringLiteral("Fitxer Gràfic"))
        return 5;
    return -1;
}

Fill::Fill(BuilderSession& session, const QString& text, const QString& mode, QWidget* parent)
    : QDialog(parent), session_(session), top_level_(mode == session.program_name)
{
    if (top_level_)
        session_.stacks.reset(mode);
    else
        session_.stacks.push(BuilderWindow::Fill, mode);
    setObjectName(QStringLiteral("Fill"));
    setWindowTitle(translate_caption(QString::fromUtf8(kFillTitle)));
    setAccessibleDescription(mode);

    const OpenedRows opened = rows_from_key_text(text, session_.entries);
    rows_ = opened.rows;
    opened_rows_ = opened.rows;
    raw_ = opened.raw;
    selected_ = int(rows_.size());

    auto* layout = new QVBoxLayout(this);
    if (raw_) {
        auto* note = new QLabel(tr("El text es conserva sencer en una fila."));
        note->setObjectName(QStringLiteral("text_sencer"));
        layout->addWidget(note);
    }
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto* rows_widget = new QWidget;
    rows_layout_ = new QVBoxLayout(rows_widget);
    rows_layout_->addStretch();
    scroll->setWidget(rows_widget);
    layout->addWidget(scroll, 1);

    auto* bar = new QHBoxLayout;
    n_items_ = new QLineEdit;
    n_items_->setObjectName(QStringLiteral("n_items"));
    n_items_->setAccessibleName(QStringLiteral("Fila triada"));
    n_items_->setReadOnly(true);
    n_items_->setMaximumWidth(50);
    bar->addWidget(n_items_);
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(translate_caption(QString::fromUtf8(kCodiCaptions[i])));
        b->setObjectName(QStringLiteral("codi_%1").arg(i));
        b->setAccessibleName(b->text());
        connect(b, &QPushButton::clicked, this, [this, i] { codi_Click(i); });
        bar->addWidget(b);
        buttons_.push_back(b);
    }
    bar->addStretch();
    for (int i = 0; i < 2; ++i) {
        auto* b = new QPushButton(translate_caption(QString::fromUtf8(kExitCaptions[i])));
        b->setObjectName(QStringLiteral("BUTO_SORTIR_%1").arg(i));
        b->setAccessibleName(b->text());
        connect(b, &QPushButton::clicked, this, [this, i] { BUTO_SORTIR_Click(i); });
        bar->addWidget(b);
        buttons_.push_back(b);
    }
    layout->addLayout(bar);
    resize(640, 360);
    show_rows();
    write_captions();
}

Fill::~Fill()
{
    if (!top_level_)
        session_.stacks.pop(BuilderWindow::Fill);
}

QRadioButton* Fill::Option1(int row) const
{
    return row >= 1 && row <= int(widgets_.size()) ? widgets_[size_t(row - 1)].Option1 : nullptr;
}

QComboBox* Fill::Ordres(int row) const
{
    return row >= 1 && row <= int(widgets_.size()) ? widgets_[size_t(row - 1)].Ordres : nullptr;
}

QPushButton* Fill::param2(int row) const
{
    return row >= 1 && row <= int(widgets_.size()) ? widgets_[size_t(row - 1)].param2 : nullptr;
}

void Fill::show_rows()
{
    for (const RowWidgets& w : widgets_)
        delete w.Option1->parentWidget();
    widgets_.clear();
    const QStringList captions = session_.entries.captions();
    for (int r = 1; r <= int(rows_.size()); ++r) {
        const BuilderRow& row = rows_[size_t(r - 1)];
        auto* line = new QWidget;
        auto* h = new QHBoxLayout(line);
        h->setContentsMargins(0, 0, 0, 0);
        RowWidgets w{};
        w.Option1 = new QRadioButton(QString::number(r));
        w.Option1->setObjectName(QStringLiteral("Option1_%1").arg(r));
        w.Option1->setAccessibleName(QStringLiteral("Fila %1").arg(r));
        w.Option1->setAutoExclusive(false);
        w.Option1->setChecked(r == selected_);
        w.Ordres = new QComboBox;
        w.Ordres->setObjectName(QStringLiteral("Ordres_%1").arg(r));
        w.Ordres->setAccessibleName(QStringLiteral("Ordre de la fila %1").arg(r));
        for (const QString& caption : captions)
            w.Ordres->addItem(translate_caption(caption));
        w.Ordres->setCurrentIndex(row.entry);
        const QString kind = session_.entries.parameter(row.entry);
        w.param1 = new QPushButton(kind.isEmpty() ? kNoKind : translate_caption(kind));
        w.param1->setObjectName(QStringLiteral("param1_%1").arg(r));
        w.param1->setAccessibleName(QStringLiteral("Tipus de valor de la fila %1").arg(r));
        w.param1->setFocusPolicy(Qt::NoFocus);
        w.param2 = new QPushButton(row.value);
        w.param2->setObjectName(QStringLiteral("param2_%1").arg(r));
        w.param2->setAccessibleName(QStringLiteral("Valor de la fila %1").arg(r));
        w.param2->setStyleSheet(QStringLiteral("text-align: left"));
        w.param2->setMinimumWidth(240);
        h->addWidget(w.Option1);
        h->addWidget(w.Ordres, 1);
        h->addWidget(w.param1);
        h->addWidget(w.param2, 2);
        connect(w.Option1, &QRadioButton::clicked, this, [this, r] { Option1_Click(r); });
        connect(w.Ordres, &QComboBox::activated, this, [this, r](int entry) { Ordres_Click(r, entry); });
        connect(w.param2, &QPushButton::clicked, this, [this, r] { param2_Click(r); });
        rows_layout_->insertWidget(r - 1, line);
        widgets_.push_back(w);
    }
    n_items_->setText(selected_ > 0 ? QString::number(selected_) : QString());
}

void Fill::write_captions()
{
    if (session_.scratch_path.isEmpty())
        return;
    std::vector<std::pair<int, QString>> controls;
    // The list is a file: its captions stay as written, whatever the interface language.
    for (size_t i = 0; i < buttons_.size(); ++i)
        controls.emplace_back(int(i < 3 ? i : i - 3), QString::fromUtf8(i < 3 ? kCodiCaptions[i] : kExitCaptions[i - 3]));
    for (size_t r = 0; r < widgets_.size() && r < rows_.size(); ++r) {
        const QString kind = session_.entries.parameter(rows_[r].entry);
        controls.emplace_back(int(r + 1), kind.isEmpty() ? kNoKind : kind);
    }
    append_control_captions(session_.scratch_path, QString::fromUtf8(kFillTitle), controls);
}

void Fill::codi_Click(int index)
{
    if (index == 0)
        add_row(rows_, selected_);
    else if (index == 1)
        remove_row(rows_, selected_);
    else
        raise_row(rows_, selected_);
    show_rows();
}

void Fill::Option1_Click(int row)
{
    if (row < 1 || row > int(rows_.size()))
        return;
    selected_ = row;
    for (size_t i = 0; i < widgets_.size(); ++i)
        widgets_[i].Option1->setChecked(int(i) + 1 == row);
    n_items_->setText(QString::number(row));
}

void Fill::Ordres_Click(int row, int entry)
{
    if (row < 1 || row > int(rows_.size()))
        return;
    Option1_Click(row);
    BuilderRow& r = rows_[size_t(row - 1)];
    r.entry = entry;
    const QString kind = session_.entries.parameter(entry);
    widgets_[size_t(row - 1)].param1->setText(kind.isEmpty() ? kNoKind : translate_caption(kind));
    if (const int file_kind = builder_file_kind(kind); file_kind >= 0) {
        const QString chosen = session_.picker.pick_command_file(file_kind);
        if (!chosen.isEmpty())
            r.value = chosen;
    }
    else if (kind == QLatin1String("sim")) {
        sim window(session_, r.value, this);
        if (window.exec() == QDialog::Accepted)
            r.value = window.value();
    }
    else if (!kind.isEmpty()) {
        Dades window(session_, kind, r.value, this);
        if (window.exec() == QDialog::Accepted)
            r.value = window.value();
    }
    widgets_[size_t(row - 1)].param2->setText(r.value);
}

void Fill::param2_Click(int row)
{
    if (row < 1 || row > int(rows_.size()))
        return;
    Option1_Click(row);
    Fill nested(session_, rows_[size_t(row - 1)].value, kModeParameter, this);
    nested.delivered = [this, row](const JoinedCode& joined) {
        rows_[size_t(row - 1)].value = joined.keys;
        widgets_[size_t(row - 1)].param2->setText(joined.keys);
    };
    nested.exec();
}

void Fill::BUTO_SORTIR_Click(int index)
{
    if (index == 0) {
        JoinedCode joined = confegir_codi(rows_, session_.entries, session_.state.folders.program);
        // A text kept whole is no choice of picture, even when it ends like one.
        if (raw_ && rows_ == opened_rows_)
            joined.symbol.clear();
        if (delivered)
            delivered(joined);
        accept();
    }
    else {
        reject();
    }
}

}  // namespace orvel
