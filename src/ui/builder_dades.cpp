#include "ui/builder_dades.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/messages.h"
#include "ui/aux_keyboard.h"
#include "ui/builder_fill.h"
#include "ui/command_file_picker.h"

namespace orvel {

namespace {
// The files the "Text" kind can insert, in the list's order, with the picker's kind.
const std::pair<const char*, int> kFileKinds[] = {
    {QT_TRANSLATE_NOOP("Orvel", "Fitxer gràfic"), 5}, {QT_TRANSLATE_NOOP("Orvel", "Fitxer text"), 3},
    {QT_TRANSLATE_NOOP("Orvel", "Fitxer so"), 1},     {QT_TRANSLATE_NOOP("Orvel", "Fitxer exe"), 0}};

QPushButton* button(const QString& caption, const QString& name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setAccessibleName(b->text());
    return b;
}
}  // namespace

Dades::Dades(BuilderSession& session, const QString& kind, const QString& value, QWidget* parent)
    : QDialog(parent), session_(session), kind_(kind)
{
    session_.stacks.push(BuilderWindow::Dades, kind);
    setObjectName(QStringLiteral("Dades"));
    setWindowTitle(translate_caption(kind));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    for (int i = 0; i < 2; ++i) {
        Text2_[size_t(i)] = new QLineEdit;
        Text2_[size_t(i)]->setObjectName(QStringLiteral("Text2_%1").arg(i));
    }

    if (kind == QLatin1String("Cordenades")) {
        const QStringList xy = coordinates(value);
        Text2_[0]->setText(xy[0]);
        Text2_[1]->setText(xy[1]);
        Text2_[0]->setAccessibleName(QStringLiteral("X"));
        Text2_[1]->setAccessibleName(QStringLiteral("Y"));
        form->addRow(QStringLiteral("X"), Text2_[0]);
        form->addRow(QStringLiteral("Y"), Text2_[1]);
        session_.parameter_field = Text2_[0];
    }
    else if (kind == QLatin1String("Nombre")) {
        Text2_[0]->setText(value);
        Text2_[0]->setAccessibleName(translate_caption(QStringLiteral("Nombre")));
        form->addRow(tr("Nombre"), Text2_[0]);
        session_.parameter_field = Text2_[0];
    }
    else if (kind == QLatin1String("Llista")) {
        List1_ = new QListWidget;
        List1_->setObjectName(QStringLiteral("List1"));
        List1_->setAccessibleName(translate_caption(QStringLiteral("Elements de la llista")));
        List1_->addItems(list_items(value));
        Text2_[0]->setAccessibleName(translate_caption(QStringLiteral("Element nou")));
        Text2_[0]->installEventFilter(this);
        form->addRow(tr("Element"), Text2_[0]);
        form->addRow(List1_);
        connect(List1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(List1_->row(item)); });
        session_.parameter_field = Text2_[0];
    }
    else {
        Text1_ = new QPlainTextEdit(value);
        Text1_->setObjectName(QStringLiteral("Text1"));
        Text1_->setAccessibleName(translate_caption(QStringLiteral("Text")));
        form->addRow(Text1_);
        auto* aids = new QHBoxLayout;
        Fitxers_ = new QComboBox;
        Fitxers_->setObjectName(QStringLiteral("Fitxers"));
        Fitxers_->setAccessibleName(translate_caption(QStringLiteral("Tipus de fitxer")));
        for (const auto& [caption, picker_kind] : kFileKinds)
            Fitxers_->addItem(translate_caption(QString::fromUtf8(caption)), picker_kind);
        auto* mF = button(tr("Fitxer..."), QStringLiteral("mF"));
        auto* codis = button(tr("Codis"), QStringLiteral("buto_codi"));
        auto* keyboard = button(tr("teclat virtual"), QStringLiteral("TEC_VIRT"));
        aids->addWidget(Fitxers_);
        aids->addWidget(mF);
        aids->addWidget(codis);
        aids->addWidget(keyboard);
        layout->addLayout(aids);
        connect(Fitxers_, &QComboBox::activated, this, [this] { mF_Click(); });
        connect(mF, &QPushButton::clicked, this, [this] { mF_Click(); });
        connect(codis, &QPushButton::clicked, this, [this] { buto_codi_Click(); });
        connect(keyboard, &QPushButton::clicked, this, [this] {
            if (session_.aux_keyboard)
                session_.aux_keyboard->open();
        });
        session_.parameter_field = Text1_;
    }

    auto* bar = new QHBoxLayout;
    bar->addStretch();
    for (int i = 0; i < 2; ++i) {
        auto* b = button(i == 0 ? tr("Acceptar") : tr("Cancelar"),
                         QStringLiteral("BUTO_SORTIR_%1").arg(i));
        connect(b, &QPushButton::clicked, this, [this, i] { BUTO_SORTIR_Click(i); });
        bar->addWidget(b);
    }
    layout->addLayout(bar);
}

Dades::~Dades()
{
    session_.stacks.pop(BuilderWindow::Dades);
}

QString Dades::value() const
{
    if (kind_ == QLatin1String("Cordenades"))
        return coordinates_value(Text2_[0]->text(), Text2_[1]->text());
    if (List1_) {
        QStringList items;
        for (int i = 0; i < List1_->count(); ++i)
            items << List1_->item(i)->text();
        return list_value(items);
    }
    return Text1_ ? Text1_->toPlainText() : Text2_[0]->text();
}

bool Dades::eventFilter(QObject* watched, QEvent* event)
{
    // In a list, Enter adds the entry box's text as an item instead of accepting the window.
    if (watched == Text2_[0] && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Text2_Enter();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Dades::Text2_Enter()
{
    if (!List1_)
        return;
    List1_->addItem(Text2_[0]->text());
    Text2_[0]->clear();
}

void Dades::List1_Click(int row)
{
    if (!List1_ || row < 0 || row >= List1_->count())
        return;
    Text2_[0]->setText(List1_->item(row)->text());
    delete List1_->takeItem(row);
    Text2_[0]->setFocus();
}

void Dades::mF_Click()
{
    const QString chosen = session_.picker.pick_command_file(Fitxers_->currentData().toInt());
    if (!chosen.isEmpty())
        Text1_->insertPlainText(chosen);
}

void Dades::buto_codi_Click()
{
    Fill nested(session_, Text1_->toPlainText(), kModeParameter, this);
    nested.delivered = [this](const JoinedCode& joined) { Text1_->setPlainText(joined.keys); };
    nested.exec();
    session_.parameter_field = Text1_;
}

void Dades::BUTO_SORTIR_Click(int index)
{
    if (index == 0)
        accept();
    else
        reject();
}

}  // namespace orvel
