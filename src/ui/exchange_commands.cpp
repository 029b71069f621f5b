#include "ui/exchange_commands.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include "interchange/export_set.h"
#include "interchange/import_set.h"
#include "model/board_file_commands.h"
#include "platform/message_boxes.h"

namespace orvel {

namespace {

// The report of an import or export, cut to what a message box can show.
QString report_text(const QString& first_line, const QStringList& lines)
{
    constexpr qsizetype kShown = 20;
    QStringList shown{first_line};
    shown << lines.mid(0, kShown);
    if (lines.size() > kShown)
        shown << QStringLiteral("...");
    return shown.join(QLatin1Char('\n'));
}

}  // namespace

ExchangeCommands::ExchangeCommands(QMenu* menu, OrvelState& state, MessageBoxes& messages, QWidget* owner)
    : QObject(owner), state_(state), messages_(messages), owner_(owner)
{
    QAction* import = menu->addAction(tr("Importar..."));
    import->setObjectName(QStringLiteral("importar"));
    connect(import, &QAction::triggered, this, &ExchangeCommands::importar_Click);
    QAction* export_ = menu->addAction(tr("Exportar..."));
    export_->setObjectName(QStringLiteral("exportar"));
    connect(export_, &QAction::triggered, this, &ExchangeCommands::exportar_Click);
}

void ExchangeCommands::importar_Click()
{
    const QString set = QFileDialog::getOpenFileName(owner_, tr("Importar un conjunt de plafons"), QString(),
                                                     tr("Open Board Format (*.obz *.obf *.OBZ *.OBF)"));
    if (set.isEmpty())
        return;
    const QString folder =
        QFileDialog::getExistingDirectory(owner_, tr("Carpeta dels plafons importats"), QFileInfo(set).absolutePath());
    if (folder.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const obf::ImportResult result = obf::import_set(set, folder);
    QApplication::restoreOverrideCursor();
    if (!result.error.isEmpty() && result.boards.isEmpty()) {
        messages_.show(report_text(tr("No s'ha importat cap plafó: %1").arg(result.error), result.report.lines()),
                       QStringLiteral("Orvel"), MessageIcon::Exclamation);
        return;
    }
    messages_.show(
        report_text(tr("S'han importat %1 plafons a %2.").arg(result.boards.size()).arg(folder), result.report.lines()),
        QStringLiteral("Orvel"), result.report.empty() ? MessageIcon::Information : MessageIcon::Exclamation);
    if (!open_board || result.boards.isEmpty())
        return;
    ask_save_changes(state_.tmpl, messages_, [this] {
        if (save)
            save();
    });
    open_board(result.boards.front());
}

void ExchangeCommands::exportar_Click()
{
    // The set is made from the board as saved: an unsaved board is saved first.
    if (state_.tmpl.modified != 0 || state_.tmpl.file_name.compare(kUnnamedTemplate, Qt::CaseInsensitive) == 0) {
        if (save)
            save();
        if (state_.tmpl.modified != 0 || state_.tmpl.file_name.compare(kUnnamedTemplate, Qt::CaseInsensitive) == 0)
            return;
    }
    const QFileInfo board(state_.tmpl.file_name);
    QString out = QFileDialog::getSaveFileName(owner_, tr("Exportar el plafó"),
                                               board.absolutePath() + QLatin1Char('/') + board.completeBaseName() +
                                                   QStringLiteral(".obz"),
                                               tr("Open Board Format (*.obz)"));
    if (out.isEmpty())
        return;
    if (!out.endsWith(QLatin1String(".obz"), Qt::CaseInsensitive))
        out += QStringLiteral(".obz");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const obf::ExportResult result = obf::export_set(state_.tmpl.file_name, out);
    QApplication::restoreOverrideCursor();
    const QString first = result.error.isEmpty()
                              ? tr("S'han exportat %1 plafons a %2.").arg(result.boards.size()).arg(out)
                              : result.error;
    messages_.show(report_text(first, result.report.lines()), QStringLiteral("Orvel"),
                   result.error.isEmpty() ? MessageIcon::Information : MessageIcon::Exclamation);
}

}  // namespace orvel
