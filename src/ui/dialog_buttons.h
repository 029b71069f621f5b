#pragma once
// The "Acceptar" (default) and "Cancelar" buttons at the foot of the access
// dialogs, named buto_0 and buto_1, each calling the dialog's buto_Click.
#include <functional>

class QBoxLayout;
class QWidget;

namespace orvel {

void add_accept_cancel(QWidget* dialog, QBoxLayout* layout, std::function<void(int index)> buto_Click);

}  // namespace orvel
