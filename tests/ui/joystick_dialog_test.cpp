#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "support/fake_board.h"
#include "ui/frame_color_box.h"
#include "ui/joystick_dialog.h"

using namespace orvel;
using namespace orvel::testing;

TEST(JoystickDialog, OpensWithTheProfileAndAcceptStoresTheBoxes)
{
    ensure_application();
    struct Row {
        int16_t modus, sensi, retard, gruix;
        bool joystick_checked, multimouse_checked;
        const char* sensi_text;
        const char* retard_text;
    };
    const Row rows[] = {
        {4, 3, 15, 5, true, false, " 3", " 15"},
        {8, 1, 10, 8, false, true, " 1", " 10"},
        {8, 0, 0, 8, false, true, " 1", " 1"},        // out of range: the scroll bars' ends
        {4, 12, 999, 8, true, false, " 9", " 327"},
    };
    for (const Row& r : rows) {
        UserProfile p;
        p.modus = r.modus;
        p.joystic_sensi = r.sensi;
        p.joystic_retard = r.retard;
        p.gruix = r.gruix;
        p.color = 65280;
        USR_JOYSTIC d(p);
        EXPECT_EQ(d.modus(0)->isChecked(), r.joystick_checked);
        EXPECT_EQ(d.modus(1)->isChecked(), r.multimouse_checked);
        EXPECT_EQ(d.intensitat(0)->text(), QString::fromLatin1(r.sensi_text));
        EXPECT_EQ(d.intensitat(1)->text(), QString::fromLatin1(r.retard_text));
        EXPECT_EQ(d.Gruix()->text(), QString::number(r.gruix));
        EXPECT_EQ(d.frame_color()->color(), 65280);
    }

    UserProfile p;
    p.modus = 4;
    p.joystic_sensi = 1;
    p.joystic_retard = 10;
    USR_JOYSTIC d(p);
    d.HScroll1(0)->setValue(4);
    d.HScroll1(1)->setValue(3);
    EXPECT_EQ(d.intensitat(0)->text(), QStringLiteral(" 4"));
    d.Gruix()->setText(QStringLiteral("0"));
    d.frame_color()->set_color(16711680);
    d.buto_Click(0);
    EXPECT_EQ(p.joystic_sensi, 4);
    EXPECT_EQ(p.joystic_retard, 3);
    EXPECT_EQ(p.gruix, 8) << "a frame of 0 becomes 8";
    EXPECT_EQ(p.color, 16711680);
    EXPECT_EQ(p.modus, 4) << "the option buttons are not read back";
    EXPECT_EQ(d.result(), QDialog::Accepted);

    // "Cancelar" (and Escape) return to the mouse method and keep the rest.
    USR_JOYSTIC cancelled(p);
    cancelled.HScroll1(0)->setValue(9);
    cancelled.buto_Click(1);
    EXPECT_EQ(p.modus, 0);
    EXPECT_EQ(p.joystic_sensi, 4);
}
