// "Importar..." and "Exportar..." of the "&Fitxers" menu through their dialogs: a set
// exported from the open board and imported again opens as the same board, and the
// report of what was not carried over is shown.
#include <QAction>
#include <QFileDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/template_file.h"
#include "support/exec_harness.h"
#include "support/fake_board.h"
#include "support/test_files.h"
#include "support/window_driving.h"
#include "ui/main_window.h"

namespace orvel {
namespace {

// Answers the next file dialog with path; then, when given, the folder dialog after it.
void choose_in_next_file_dialog(const QString& path, const QString& then_folder = {})
{
    testing::answer_next_dialog<QFileDialog>([path, then_folder](QFileDialog& files) {
        files.selectFile(path);
        if (!then_folder.isEmpty())
            QObject::connect(&files, &QDialog::finished, [then_folder] {
                testing::answer_next_dialog<QFileDialog>([then_folder](QFileDialog& folders) {
                    folders.selectFile(then_folder);
                    QMetaObject::invokeMethod(&folders, "done", Qt::QueuedConnection, Q_ARG(int, QDialog::Accepted));
                });
            });
        QMetaObject::invokeMethod(&files, "accept", Qt::QueuedConnection);
    });
}

TEST(ExchangeCommands, ExportThenImportThroughTheMenuOpensTheSameBoard)
{
    testing::ensure_application();
    QTemporaryDir dir;
    testing::use_private_user_folders(QDir(dir.path()));
    Template t;
    for (const Area& a : {testing::root_area(0, 0, 400, 300),
                          testing::with_keys(testing::rect_area(20, 20, 180, 140), "{|LLEGIR hola}hola"),
                          testing::with_keys(testing::rect_area(220, 20, 380, 140), "{|EXECUTA xterm}")})
        add_area(t, a);
    const QString board = dir.filePath("MENU.ORV");
    ASSERT_TRUE(write_template(t, board));
    testing::ExecHarness h;
    MainWindow w(h.services);
    const auto trigger = [&w](const char* name) { w.findChild<QAction*>(QLatin1String(name))->trigger(); };
    ASSERT_EQ(load_template(w.state().tmpl, board, h.messages), LoadOutcome::Read);

    choose_in_next_file_dialog(dir.filePath("menu.obz"));
    trigger("exportar");
    ASSERT_TRUE(QFileInfo::exists(dir.filePath("menu.obz")));
    ASSERT_FALSE(h.messages.texts.isEmpty());
    EXPECT_TRUE(h.messages.texts.last().contains("EXECUTA")) << h.messages.texts.last().toStdString();

    QDir().mkpath(dir.filePath("back"));
    choose_in_next_file_dialog(dir.filePath("menu.obz"), dir.filePath("back"));
    trigger("importar");
    ASSERT_TRUE(testing::wait_until([&] { return w.state().tmpl.file_name == dir.filePath("back/MENU.ORV"); }))
        << w.state().tmpl.file_name.toStdString();
    ASSERT_EQ(w.state().tmpl.area_count, 3);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(w.state().tmpl.area(n).keys, t.area(n).keys);
        EXPECT_EQ(w.state().tmpl.area(n).Xf, t.area(n).Xf);
    }
}

}  // namespace
}  // namespace orvel
