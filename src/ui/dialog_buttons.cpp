#include "ui/dialog_buttons.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QPushButton>

namespace orvel {

void add_accept_cancel(QWidget* dialog, QBoxLayout* layout, std::function<void(int index)> buto_Click)
{
    auto* buttons = new QHBoxLayout;
    auto* accept = new QPushButton(QCoreApplication::translate("Orvel", "Acceptar"));
    accept->setObjectName(QStringLiteral("buto_0"));
    accept->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("Orvel", "Cancelar"));
    cancel->setObjectName(QStringLiteral("buto_1"));
    QObject::connect(accept, &QPushButton::clicked, dialog, [buto_Click] { buto_Click(0); });
    QObject::connect(cancel, &QPushButton::clicked, dialog, [buto_Click] { buto_Click(1); });
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

}  // namespace orvel
