#include "ui/builder_sim.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/messages.h"
#include "ui/builder_fill.h"

namespace orvel {

sim::sim(BuilderSession& session, const QString& value, QWidget* parent)
    : QDialog(parent), session_(session), value_(split_sim(value))
{
    session_.stacks.push(BuilderWindow::Sim, QStringLiteral("sim"));
    setObjectName(QStringLiteral("sim"));
    setWindowTitle(tr("Si memoria es ..."));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    Text2_ = new QLineEdit(value_.compared);
    Text2_->setObjectName(QStringLiteral("Text2"));
    Text2_->setAccessibleName(translate_caption(QStringLiteral("Valor de la memòria")));
    form->addRow(tr("Memòria ="), Text2_);
    const QString branch_captions[2] = {tr("Cert"), tr("Fals")};
    for (int i = 0; i < 2; ++i) {
        auto* open = new QPushButton(branch_captions[i]);
        open->setObjectName(QStringLiteral("buto_codi_%1").arg(i));
        open->setAccessibleName(open->text());
        param2_[size_t(i)] = new QPushButton;
        param2_[size_t(i)]->setObjectName(QStringLiteral("param2_%1").arg(i));
        param2_[size_t(i)]->setAccessibleName(translate_caption(i == 0 ? QStringLiteral("Tecles si és cert")
                                                                       : QStringLiteral("Tecles si és fals")));
        param2_[size_t(i)]->setStyleSheet(QStringLiteral("text-align: left"));
        connect(open, &QPushButton::clicked, this, [this, i] { buto_codi_Click(i); });
        connect(param2_[size_t(i)], &QPushButton::clicked, this, [this, i] { buto_codi_Click(i); });
        form->addRow(open, param2_[size_t(i)]);
    }
    layout->addLayout(form);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    for (int i = 0; i < 2; ++i) {
        auto* b = new QPushButton(i == 0 ? tr("Acceptar") : tr("Cancelar"));
        b->setObjectName(QStringLiteral("BUTO_SORTIR_%1").arg(i));
        b->setAccessibleName(b->text());
        connect(b, &QPushButton::clicked, this, [this, i] { BUTO_SORTIR_Click(i); });
        bar->addWidget(b);
    }
    layout->addLayout(bar);
    show_branches();
    session_.parameter_field = Text2_;
}

sim::~sim()
{
    session_.stacks.pop(BuilderWindow::Sim);
}

SimValue sim::value_with_compared() const
{
    SimValue v = value_;
    v.compared = Text2_->text();
    return v;
}

void sim::show_branches()
{
    param2_[0]->setText(value_.when_true);
    param2_[1]->setText(value_.when_false);
}

void sim::buto_codi_Click(int index)
{
    QString& branch = index == 0 ? value_.when_true : value_.when_false;
    Fill nested(session_, branch, index == 0 ? kModeWhenTrue : kModeWhenFalse, this);
    nested.delivered = [this, &branch](const JoinedCode& joined) {
        branch = joined.keys;
        show_branches();
    };
    nested.exec();
    session_.parameter_field = Text2_;
}

void sim::BUTO_SORTIR_Click(int index)
{
    if (index == 0)
        accept();
    else
        reject();
}

}  // namespace orvel
