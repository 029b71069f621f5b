#include "ui/geometry_dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "editor/geometry_tools.h"

namespace orvel {

namespace {

constexpr int kMaxCells = 10;

// A vertical scrollbar whose count reads maximum - position + 1, starting at 1.
QScrollBar* count_scroll(const char* name, QLabel* shown)
{
    auto* scroll = new QScrollBar(Qt::Vertical);
    scroll->setObjectName(QLatin1String(name));
    scroll->setAccessibleName(QLatin1String(name));
    scroll->setRange(1, kMaxCells);
    scroll->setValue(kMaxCells);
    scroll->setFocusPolicy(Qt::StrongFocus);  // the arrow keys change the count
    shown->setText(QStringLiteral("1"));
    QObject::connect(scroll, &QScrollBar::valueChanged, shown,
                     [shown](int position) { shown->setText(QString::number(kMaxCells - position + 1)); });
    return scroll;
}

QPushButton* dialog_button(const QString& caption, const char* name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(caption);
    return b;
}

}  // namespace

Quadricula::Quadricula(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Quadricula"));
    setWindowTitle(tr("Subdividir l'àrea"));
    auto* grid = new QGridLayout(this);
    auto* TxV = new QLabel;
    TxV->setObjectName(QStringLiteral("TxV"));
    auto* TxH = new QLabel;
    TxH->setObjectName(QStringLiteral("TxH"));
    ScrollV_ = count_scroll("ScrollV", TxV);
    ScrollH_ = count_scroll("ScrollH", TxH);
    grid->addWidget(new QLabel(tr("Files:")), 0, 0);
    grid->addWidget(TxV, 0, 1);
    grid->addWidget(ScrollV_, 0, 2);
    grid->addWidget(new QLabel(tr("Columnes:")), 1, 0);
    grid->addWidget(TxH, 1, 1);
    grid->addWidget(ScrollH_, 1, 2);
    auto* ok = dialog_button(tr("D'Acord"), "Command1");
    auto* cancel = dialog_button(tr("Cancelar"), "Command2");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(ok, 2, 0);
    grid->addWidget(cancel, 2, 1, 1, 2);
    ScrollV_->setFocus(Qt::OtherFocusReason);
}

int Quadricula::rows() const
{
    return ScrollV_->maximum() - ScrollV_->value() + 1;
}

int Quadricula::columns() const
{
    return ScrollH_->maximum() - ScrollH_->value() + 1;
}

RDM::RDM(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RDM"));
    setWindowTitle(tr("Redimensionar "));
    auto* grid = new QGridLayout(this);
    auto percent_row = [grid](int row, const QString& label, const char* box_name, const char* scroll_name) {
        auto* box = new QLineEdit(QStringLiteral("100"));
        box->setObjectName(QLatin1String(box_name));
        box->setAccessibleName(label);
        auto* scroll = new QScrollBar(Qt::Vertical);
        scroll->setObjectName(QLatin1String(scroll_name));
        scroll->setRange(0, 100);
        QObject::connect(scroll, &QScrollBar::valueChanged, box,
                         [box](int position) { box->setText(QString::number(100 - position)); });
        grid->addWidget(new QLabel(label), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(scroll, row, 2);
        return box;
    };
    Hor_ = percent_row(0, tr("% Horitzontal"), "Hor", "VScroll1");
    ver_ = percent_row(1, tr("% Vertical"), "ver", "VScroll2");
    auto* ok = dialog_button(tr("Acceptar"), "buto_0");
    auto* cancel = dialog_button(tr("Cancelar"), "buto_1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        // Values outside 1..100 go back to 100 before they are used.
        for (QLineEdit* box : {Hor_, ver_})
            box->setText(QString::number(resize_percentage(box->text())));
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(ok, 2, 0);
    grid->addWidget(cancel, 2, 1, 1, 2);
}

double RDM::horizontal() const
{
    return resize_percentage(Hor_->text());
}

double RDM::vertical() const
{
    return resize_percentage(ver_->text());
}

}  // namespace orvel
