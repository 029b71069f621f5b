#include <gtest/gtest.h>

#include <QStringList>
#include <utility>

#include "runtime/access_method_menu.h"
#include "runtime/scan_order.h"
#include "runtime/switch_dialog_rules.h"
#include "runtime/switch_mapping.h"

using namespace orvel;

namespace {

SwitchDialogFields fields(int option, const QString& list = QString())
{
    SwitchDialogFields f;
    f.selected_option = option;
    f.key_list = list;
    f.step_time = QStringLiteral("10");
    f.action_time = QStringLiteral("3");
    f.frame_width = QStringLiteral("5");
    f.frame_color = 65280;
    return f;
}

class RecordingDialogs : public AccessMethodDialogs {
public:
    explicit RecordingDialogs(UserProfile& p) : profile(p) {}
    void open_switch_dialog(int pulsador, const QString& caption) override
    {
        opened << QStringLiteral("%1 %2").arg(pulsador).arg(caption);
        if (cancel)
            cancel_switch_dialog(profile);
    }
    void choose_joystick() override { opened << QStringLiteral("joystick"); }
    void choose_voice() override { opened << QStringLiteral("voice"); }
    UserProfile& profile;
    QStringList opened;
    bool cancel = false;
};

}  // namespace

TEST(SwitchDialog, AcceptsOnlyAChosenActionAndAKeyListForTheListAction)
{
    UserProfile p;
    EXPECT_FALSE(accept_switch(p, 1, fields(-1)));
    EXPECT_FALSE(accept_switch(p, 1, fields(3)));          // list action, no list
    EXPECT_FALSE(accept_switch(p, 1, fields(3, "   ")));   // blanks are no list
    EXPECT_FALSE(accept_switch(p, 1, fields(9)));
    EXPECT_EQ(p.accio1, 0);

    ASSERT_TRUE(accept_switch(p, 1, fields(3, "  ab ")));
    EXPECT_EQ(p.accio1, kActionKeyList);
    EXPECT_EQ(p.variable1, "ab");
    EXPECT_EQ(p.retard1, 3);
    EXPECT_EQ(p.gruix, 5);
    EXPECT_EQ(p.color, 65280);
    EXPECT_EQ(p.accio2, 0);
}

TEST(SwitchDialog, SwitchTwoMustDifferFromSwitchOne)
{
    UserProfile p;
    ASSERT_TRUE(accept_switch(p, 1, fields(1)));  // Enter
    SwitchDialogFields same = fields(1);
    same.frame_width = QStringLiteral("9");
    EXPECT_FALSE(accept_switch(p, 2, same));
    EXPECT_EQ(p.accio2, 0);
    EXPECT_EQ(p.gruix, 5);  // nothing stored when refused

    UserProfile lists;
    ASSERT_TRUE(accept_switch(lists, 1, fields(3, "ab")));
    EXPECT_FALSE(accept_switch(lists, 2, fields(3, " ab ")));
    EXPECT_TRUE(accept_switch(lists, 2, fields(3, "cd")));
    EXPECT_EQ(lists.accio2, kActionKeyList);
    EXPECT_EQ(lists.variable2, "cd");

    // An unknown switch number stores nothing.
    UserProfile other;
    EXPECT_FALSE(accept_switch(other, 3, fields(1)));
    EXPECT_EQ(other.accio1, 0);
    EXPECT_EQ(other.accio2, 0);

    // A frame width of zero becomes eight, even when the switch is refused.
    SwitchDialogFields zero = fields(1);
    zero.frame_width = QStringLiteral("0");
    ASSERT_TRUE(accept_switch(other, 1, zero));
    EXPECT_EQ(other.gruix, 8);
    other.gruix = 0;
    EXPECT_FALSE(accept_switch(other, 2, fields(1)));
    EXPECT_EQ(other.gruix, 8);
}

TEST(SwitchDialog, AcceptingSetsTheStepTimeAndCancellingReturnsToTheMouse)
{
    UserProfile p;
    p.modus = 2;
    SwitchDialogFields f = fields(2);
    f.step_time = QStringLiteral("15");
    ASSERT_TRUE(accept_switch_dialog(p, 1, f));
    EXPECT_EQ(p.temps, 15);
    EXPECT_EQ(scan_step_interval_ms(p.temps, p.Interval), 1500);

    // Out of range step times are clamped.
    for (auto [text, want] : {std::pair{"99999", int(kLongestStepTenths)}, {"-4", 0}}) {
        f.step_time = QString::fromLatin1(text);
        ASSERT_TRUE(accept_switch_dialog(p, 1, f));
        EXPECT_EQ(p.temps, want) << text;
    }

    // A refused dialog keeps the old step time.
    p.temps = 7;
    EXPECT_FALSE(accept_switch_dialog(p, 1, fields(-1)));
    EXPECT_EQ(p.temps, 7);

    cancel_switch_dialog(p);
    EXPECT_EQ(p.modus, 0);
}

TEST(SwitchDialog, NumbersAreReadFromTheStartOfTheText)
{
    for (auto [text, want] : {std::pair{"12", 12.0}, {"  12abc", 12}, {"2.5", 2.5}, {"-3", -3}, {"", 0},
                              {"abc", 0}, {"-", 0}})
        EXPECT_EQ(leading_number(QString::fromLatin1(text)), want) << text;
    EXPECT_GT(leading_number(QString(400, QChar('9'))), 1e300);
    EXPECT_LT(leading_number("-" + QString(400, QChar('9'))), -1e300);
}

TEST(SwitchDialog, OpensWithTheSwitchsValuesUnlessItsActionIsNoOption)
{
    UserProfile p;
    p.accio2 = kActionKeyList;
    p.variable2 = QStringLiteral("xy");
    p.retard2 = 4;
    p.temps = 12;
    SwitchDialogFields f;
    load_switch_fields(p, 2, f);
    EXPECT_EQ(f.selected_option, 3);
    EXPECT_EQ(f.key_list, "xy");
    EXPECT_EQ(f.action_time, "4");
    EXPECT_EQ(f.step_time, "12");

    p.accio1 = 1000;  // set by the voice method
    SwitchDialogFields untouched;
    untouched.key_list = QStringLiteral("design");
    load_switch_fields(p, 1, untouched);
    EXPECT_EQ(untouched.selected_option, -1);
    EXPECT_EQ(untouched.key_list, "design");
}

TEST(AccessMenu, ManualScanningAsksForSwitchTwoUnlessSwitchOneHasNoAction)
{
    UserProfile p;
    RecordingDialogs dialogs(p);
    choose_access_method(1, p, dialogs);
    EXPECT_EQ(dialogs.opened, QStringList{"1 Configuració pulsador 1"});
    EXPECT_EQ(p.modus, 1);

    p.accio1 = kActionSpace;
    dialogs.opened.clear();
    dialogs.cancel = true;  // cancelling switch 1 still leads to switch 2
    choose_access_method(1, p, dialogs);
    EXPECT_EQ(dialogs.opened, (QStringList{"1 Configuració pulsador 1", "2 Configuració pulsador 2"}));
    EXPECT_EQ(p.modus, 0);
    EXPECT_EQ(access_method_item(p.modus), 0);

    dialogs.opened.clear();
    dialogs.cancel = false;
    choose_access_method(2, p, dialogs);
    EXPECT_EQ(dialogs.opened, QStringList{"1 Configuració pulsador"});
    EXPECT_EQ(p.modus, 2);
    // Cursor keys need no dialog; an item beyond the menu changes nothing.
    for (int item : {3, 9}) {
        choose_access_method(item, p, dialogs);
        EXPECT_EQ(p.modus, 3) << item;
    }
    EXPECT_EQ(dialogs.opened.size(), 1);
    EXPECT_EQ(access_method_item(8), 4);
    EXPECT_EQ(access_method_item(6), 5);
}
