// The scan-cost colours over the editor's canvas, offscreen: "Cost d'escaneig" under
// "Veure" tints each area from green (reached first) to red (reached last), leaves the
// root and groups bare, greys what scanning never reaches, and explains itself in a legend.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/exec_harness.h"
#include "support/fake_board.h"
#include "support/test_files.h"
#include "support/recording_messages.h"
#include "ui/area_canvas.h"
#include "ui/editor_face.h"
#include "ui/main_window.h"
#include "ui/scan_cost_legend.h"

namespace orvel {
namespace {

using namespace orvel::testing;

struct WithApplication {
    WithApplication() { ensure_application(); }
};

struct Overlay : WithApplication {
    Overlay()
    {
        Area group = rect_area(300, 0, 500, 100);
        group.is_group = -1;
        for (const Area& a : {root_area(), rect_area(0, 0, 100, 100), rect_area(100, 0, 200, 100),
                              rect_area(200, 0, 300, 100), group, rect_area(300, 0, 400, 100, 5),
                              rect_area(400, 0, 500, 100, 5), rect_area(0, 200, 100, 300, 40)})
            add_area(state.tmpl, a);
        state.profile.modus = 2;
        state.profile.temps = 10;
        face.show_board(QImage());
        face.show();
    }
    QRgb at(int x, int y) { return face.canvas()->grab().toImage().pixel(x, y); }
    QAction* toggle() { return face.findChild<QAction*>(QStringLiteral("veure_cost")); }

    OrvelState state;
    RecordingMessages messages;
    EditorFace face{state, messages};
};

TEST(ScanCostOverlay, TintsAreasFromGreenToRedWithALegend)
{
    Overlay f;
    ASSERT_TRUE(f.toggle());
    EXPECT_EQ(qRed(f.at(50, 50)), 255);  // no colours before the toggle
    EXPECT_FALSE(f.face.scan_cost_legend()->isVisible());

    f.toggle()->trigger();
    // Automatic scanning, 1 s steps: area 2 after 1 s, area 7 (inside group 5) after 6 s.
    const QRgb first = f.at(50, 50), middle = f.at(250, 50), last = f.at(450, 50);
    EXPECT_GT(qGreen(first) - qRed(first), 80) << std::hex << first;
    EXPECT_GT(qRed(last) - qGreen(last), 100) << std::hex << last;
    EXPECT_GT(qRed(middle), qRed(first));
    EXPECT_GT(qGreen(middle), qGreen(last));
    const QRgb unreachable = f.at(50, 250);
    EXPECT_LT(std::abs(qRed(unreachable) - qBlue(unreachable)), 10);
    EXPECT_LT(qRed(unreachable), 230);
    EXPECT_EQ(f.at(600, 400), qRgb(255, 255, 255));  // the root stays bare

    ScanCostLegend* legend = f.face.scan_cost_legend();
    EXPECT_TRUE(legend->isVisible());
    EXPECT_EQ(legend->cheapest()->text(), QLocale().toString(1.0, 'f', 1) + QStringLiteral(" s"));
    EXPECT_EQ(legend->dearest()->text(), QLocale().toString(6.0, 'f', 1) + QStringLiteral(" s"));
    // (1 + 2 + 3 + 5 + 6) / 5 s over the five areas that are not groups.
    EXPECT_TRUE(legend->average()->text().contains(QLocale().toString(3.4, 'f', 1))) << legend->average()->text().toStdString();
    EXPECT_TRUE(legend->average()->text().contains(QStringLiteral("1"))) << "one unreachable area";

    // Manual scanning counts presses; an area added while shown is coloured at once.
    f.toggle()->trigger();
    EXPECT_EQ(f.at(50, 50), qRgb(255, 255, 255));
    f.state.profile.modus = 1;
    f.toggle()->trigger();
    EXPECT_EQ(legend->cheapest()->text(), QStringLiteral("2 pulsacions"));
    EXPECT_EQ(legend->dearest()->text(), QStringLiteral("8 pulsacions"));
    // Area 9 is the fifth stop of the top level: 6 presses, between the ends.
    add_area(f.state.tmpl, rect_area(500, 0, 600, 100));
    f.face.canvas()->board_changed();
    const QRgb added = f.at(550, 50);
    EXPECT_LT(qBlue(added), 150) << std::hex << added;
    EXPECT_GT(qRed(added), qGreen(added)) << std::hex << added;
    EXPECT_LT(qRed(f.at(150, 50)), qRed(added));
    EXPECT_EQ(legend->dearest()->text(), QStringLiteral("8 pulsacions"));
}

// In the program, a profile loaded while the colours show counts them again.
TEST(ScanCostOverlay, FollowsTheProfileLoaded)
{
    ensure_application();
    QTemporaryDir dir;
    use_private_user_folders(QDir(dir.path()));
    ExecHarness h;
    MainWindow w(h.services);
    w.Form_Load({});
    for (const Area& a : {root_area(), rect_area(0, 0, 100, 100), rect_area(100, 0, 200, 100)})
        add_area(w.state().tmpl, a);
    auto* face = w.findChild<EditorFace*>();
    ASSERT_TRUE(face);
    face->show_board(QImage());
    face->findChild<QAction*>(QStringLiteral("veure_cost"))->trigger();
    EXPECT_TRUE(face->scan_cost_legend()->title()->text().contains(QStringLiteral("automàtic")));
    const QString manual = dir.filePath(QStringLiteral("MANUAL.USR"));
    write_file(manual, "[Orvel]\r\nmodus= 1\r\n");
    w.carregar_usuari(manual);
    EXPECT_TRUE(face->scan_cost_legend()->title()->text().contains(QStringLiteral("manual")));
    EXPECT_EQ(face->scan_cost_legend()->dearest()->text(), QStringLiteral("3 pulsacions"));
}

}  // namespace
}  // namespace orvel
