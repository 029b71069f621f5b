#include <gtest/gtest.h>

#include "model/template.h"

using namespace orvel;

namespace {
Area area_with_parent(int16_t parent)
{
    Area a;
    a.parent = parent;
    return a;
}
}  // namespace

TEST(Template, ResetLeavesOnlyTheBlankRecordAndKeepsInheritedFields)
{
    Template t;
    t.sound_active = 0;
    t.auto_cover = 1;
    t.clip_type = 1;
    t.tts_language = 1;
    t.tts_voice = 1;
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
    EXPECT_EQ(t.auto_cover, 1);
    EXPECT_EQ(t.clip_type, 1);
    EXPECT_EQ(t.tts_language, 1);
    EXPECT_EQ(t.tts_voice, 1);
    EXPECT_EQ(t.tts_speed, 140);
}

TEST(Template, DeletingShiftsLaterAreasDownAndMarksModified)
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
}

TEST(Template, GroupLosesItsFlagOnlyWithItsLastMember)
{
    Template t;
    add_area(t, Area{});           // 1 root
    Area group;
    group.is_group = -1;
    add_area(t, group);            // 2 group
    add_area(t, area_with_parent(2));  // 3
    add_area(t, area_with_parent(2));  // 4
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
