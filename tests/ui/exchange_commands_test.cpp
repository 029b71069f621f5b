// "Importar..." and "Exportar..." of the "&Fitxers" menu through their dialogs: a set
// exported from the open board and imported again opens as the same board, and the
// report of what was not carried over is shown.
#include <QAction>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/template_file.h"
#include "support/exec_harness.h"
#include "support/fake_board.h"
#include "support/test_files.h"
#include "support/window_driving.h"
#include "ui/exchange_commands.h"
#include "ui/main_window.h"

namespace orvel {
namespace {

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

    auto* exchange = w.findChild<ExchangeCommands*>();
    ASSERT_NE(exchange, nullptr);
    QString proposed;
    exchange->choose_export_file = [&](const QString& near) {
        proposed = near;
        return dir.filePath("menu");  // without its extension: ".obz" is added
    };
    trigger("exportar");
    EXPECT_EQ(proposed, dir.filePath("MENU.obz"));
    ASSERT_TRUE(QFileInfo::exists(dir.filePath("menu.obz")));
    ASSERT_FALSE(h.messages.texts.isEmpty());
    EXPECT_TRUE(h.messages.texts.last().contains("EXECUTA")) << h.messages.texts.last().toStdString();

    QDir().mkpath(dir.filePath("back"));
    exchange->choose_set = [&] { return dir.filePath("menu.obz"); };
    exchange->choose_folder = [&](const QString&) { return dir.filePath("back"); };
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
