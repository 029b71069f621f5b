#include <gtest/gtest.h>

#include "model/template.h"

using namespace orvel;

TEST(Template, ResetLeavesOnlyTheBlankRecordAndKeepsInheritedFields)
{
    Template t;
    t.sound_active = 0;
    t.auto_cover = t.clip_type = t.tts_language = t.tts_voice = 1;
    t.tts_speed = 140;
    t.program = QStringLiteral("xterm");
    add_area(t, Area{});
    reset_template(t);
    EXPECT_EQ(t.area_count, 0);
    ASSERT_EQ(t.areas.size(), 1u);
    EXPECT_EQ(t.areas[0], Area{});
    EXPECT_EQ(t.file_name, QStringLiteral("(Sense Nom)"));
    EXPECT_TRUE(t.program.isEmpty());
    EXPECT_EQ(t.sound_active, 0);
    for (int16_t kept : {t.auto_cover, t.clip_type, t.tts_language, t.tts_voice})
        EXPECT_EQ(kept, 1);
    EXPECT_EQ(t.tts_speed, 140);
}

TEST(Template, DeletingShiftsAreasDownAndAGroupLosesItsFlagOnlyWithItsLastMember)
{
    Template t;
    for (int i = 1; i <= 3; ++i) {
        Area a;
        a.Xi = static_cast<int16_t>(i * 10);
        add_area(t, a);
    }
    t.modified = 0;
    delete_area(t, 2);
    ASSERT_EQ(t.area_count, 2);
    EXPECT_EQ(t.area(1).Xi, 10);
    EXPECT_EQ(t.area(2).Xi, 30);
    EXPECT_EQ(t.modified, -1);
    delete_area(t, 0);
    delete_area(t, 3);
    EXPECT_EQ(t.area_count, 2);

    // Area 2 becomes a group with members 3 and 4.
    t.area(2).is_group = -1;
    for (int i = 0; i < 2; ++i) {
        Area member;
        member.parent = 2;
        add_area(t, member);
    }
    delete_area(t, 4);
    EXPECT_EQ(t.area(2).is_group, -1);
    delete_area(t, 3);
    EXPECT_EQ(t.area(2).is_group, 0);
}

TEST(Template, RefusesMoreAreasThanTheFormatHolds)
{
    Template t;
    for (int i = 0; i < kMaxAreas; ++i)
        ASSERT_TRUE(add_area(t, Area{}));
    EXPECT_FALSE(add_area(t, Area{}));
    EXPECT_EQ(t.area_count, kMaxAreas);
}
