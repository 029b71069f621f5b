#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "runtime/reaction_log.h"
#include "runtime/reaction_recorder.h"
#include "runtime/scan_order.h"
#include "runtime/step_suggestion.h"
#include "runtime/switch_mapping.h"
#include "support/fake_board.h"
#include "support/fake_clock.h"
#include "support/test_files.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

ReactionEntry entry(int reaction_ms, int step_ms = 1000, int modus = 2, bool undo = false, int area = 2)
{
    ReactionEntry e;
    e.when_ms = 1700000000000;
    e.session = 1700000000000;
    e.board = QStringLiteral("/b/A.ORV");
    e.area = static_cast<int16_t>(area);
    e.modus = static_cast<int16_t>(modus);
    e.step_ms = step_ms;
    e.reaction_ms = reaction_ms;
    e.undo = undo;
    return e;
}

std::vector<ReactionEntry> reactions(std::initializer_list<int> ms, int step_ms = 1000)
{
    std::vector<ReactionEntry> out;
    for (int r : ms)
        out.push_back(entry(r, step_ms));
    return out;
}

}  // namespace

// Lines written by the writer read back; anything else is skipped line by line.
TEST(ReactionRecord, ReaderKeepsWholeLinesAndSkipsBadOnes)
{
    ReactionEntry named = entry(640, 1200, 2, false, 7);
    named.board = QStringLiteral("/plafons/Menjar\tnou.ORV");  // a tab must not split the line
    const QByteArray good = reaction_line(named);
    EXPECT_EQ(good, "1700000000000\t1700000000000\t/plafons/Menjar nou.ORV\t7\t2\t1200\t640\t0\n");
    const std::vector<ReactionEntry> back = parse_reaction_record(QByteArray(kReactionRecordHeader) + "\n" + good);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].board, QStringLiteral("/plafons/Menjar nou.ORV"));
    EXPECT_EQ(back[0].area, 7);
    EXPECT_EQ(back[0].reaction_ms, 640);
    EXPECT_EQ(back[0].step_ms, 1200);

    const struct {
        const char* what;
        QByteArray bytes;
    } bad[] = {
        {"cut short", good.left(good.size() - 3)},
        {"seven fields", "1\t1\t/b\t2\t2\t1000\t300\n"},
        {"nine fields", "1\t1\t/b\t2\t2\t1000\t300\t0\t0\n"},
        {"area 0", "1\t1\t/b\t0\t2\t1000\t300\t0\n"},
        {"area too big", "1\t1\t/b\t40000\t2\t1000\t300\t0\n"},
        {"reaction below -1", "1\t1\t/b\t2\t2\t1000\t-5\t0\n"},
        {"reaction of days", "1\t1\t/b\t2\t2\t1000\t999999999\t0\n"},
        {"undo 2", "1\t1\t/b\t2\t2\t1000\t300\t2\n"},
        {"not a number", "1\t1\t/b\t2\t2\tmil\t300\t0\n"},
        {"no board", "1\t1\t\t2\t2\t1000\t300\t0\n"},
        {"negative time", "-1\t1\t/b\t2\t2\t1000\t300\t0\n"},
        {"over long", QByteArray("1\t1\t") + QByteArray(5000, 'x') + "\t2\t2\t1000\t300\t0\n"},
        {"binary", QByteArray("\0\xff\t\t\t\t\t\t\t\n", 10)},
        {"empty", ""},
        {"blank lines", "\n\n\r\n"},
    };
    for (const auto& b : bad) {
        EXPECT_TRUE(parse_reaction_record(b.bytes).empty()) << b.what;
        // A bad line does not take the good lines around it along.
        EXPECT_EQ(parse_reaction_record(good + b.bytes + (b.bytes.endsWith('\n') ? "" : "\n") + good).size(), 2u)
            << b.what;
    }
}

// A selection followed in the same session by one that undoes it was corrected.
TEST(ReactionRecord, CorrectionsComeFromTheNextSelectionOfTheSession)
{
    QByteArray bytes;
    ReactionEntry a = entry(300), back = entry(500, 1000, 2, true), b = entry(400), other = entry(450, 1000, 2, true);
    other.session = 42;  // a new run: its first selection undoes nothing before it
    for (const ReactionEntry& e : {a, back, b, other})
        bytes += reaction_line(e);
    const auto read = parse_reaction_record(bytes);
    ASSERT_EQ(read.size(), 4u);
    EXPECT_TRUE(read[0].corrected);
    EXPECT_FALSE(read[1].corrected);
    EXPECT_FALSE(read[2].corrected);
    EXPECT_FALSE(read[3].corrected);

    EXPECT_TRUE(is_undo_like(QStringLiteral("{|NIVELL -1}")));
    EXPECT_TRUE(is_undo_like(QStringLiteral("{|nivel 0}")));
    EXPECT_TRUE(is_undo_like(QStringLiteral("{BS}{BACKSPACE 2}")));
    EXPECT_FALSE(is_undo_like(QStringLiteral("a{BS}")));
    EXPECT_FALSE(is_undo_like(QStringLiteral("{|LLEGIR enrere}")));
    EXPECT_FALSE(is_undo_like(QString()));
}

// The writer appends in order, starts a file with its header, turns the file over past
// its bound (the older half replaced) and the reader reads both halves in order.
TEST(ReactionRecord, WriterAppendsRotatesAndReadsBackInOrder)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("state/orvel"));
    const qint64 bound = 600;
    {
        ReactionLog log(folder, bound);
        for (int i = 0; i < 40; ++i)
            log.append(entry(100 + i));
        log.flush();
        EXPECT_EQ(log.dropped(), 0);
    }
    const QByteArray current = read_file(folder + QStringLiteral("/reaccions.tsv"));
    const QByteArray older = read_file(folder + QStringLiteral("/reaccions.1.tsv"));
    EXPECT_FALSE(older.isEmpty());
    EXPECT_TRUE(older.startsWith(kReactionRecordHeader));
    EXPECT_LE(current.size(), bound);
    EXPECT_LE(older.size(), bound);
    const auto others = QFileDevice::ReadOther | QFileDevice::ReadGroup;
    EXPECT_FALSE(QFile(folder + QStringLiteral("/reaccions.tsv")).permissions() & others);
    const auto read = read_reaction_record(folder);
    ASSERT_FALSE(read.empty());
    EXPECT_EQ(read.back().reaction_ms, 139);
    for (size_t i = 1; i < read.size(); ++i)
        EXPECT_EQ(read[i].reaction_ms, read[i - 1].reaction_ms + 1);

    // A folder that cannot be made: the lines are dropped, nothing waits or fails.
    {
        ReactionLog nowhere(QStringLiteral("/proc/orvel-no-such-folder"));
        nowhere.append(entry(1));
        nowhere.flush();
    }
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/orvel-no-such-folder")));

    // A file cut short by a crash: the next line starts on a line of its own.
    write_file(folder + QStringLiteral("/reaccions.tsv"), QByteArray(kReactionRecordHeader) + "\n17000\t17");
    QFile::remove(folder + QStringLiteral("/reaccions.1.tsv"));
    {
        ReactionLog log(folder);
        log.append(entry(777));
    }
    const auto after = read_reaction_record(folder);
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].reaction_ms, 777);
}

// Run mode tells the recorder each step and each selection: the reaction is the time
// from the step that highlighted the selected area, and a back area selected next marks
// an undo.
TEST(ReactionRecord, RecorderTimesPressesFromTheHighlightingStep)
{
    std::vector<ReactionEntry> written;
    ReactionRecorder recorder([] { return int64_t(1700000000000); },
                              [&](const ReactionEntry& e) { written.push_back(e); });
    RunFixture f;
    FakeClock& clock = f.clock;
    f.add({root_area(), rect_area(0, 0, 100, 100), rect_area(100, 0, 200, 100),
           with_keys(rect_area(200, 0, 300, 100), QStringLiteral("{|NIVELL -1}"))});
    f.state.tmpl.file_name = QStringLiteral("/b/A.ORV");
    f.use(2, kActionSpace, 0);
    f.state.profile.temps = 12;
    f.run.set_reaction_recorder(&recorder);
    f.run.start_access_method();
    clock.now = 10000;
    f.run.Timer3_Timer();  // area 2
    clock.now = 11200;
    f.run.Timer3_Timer();  // area 3
    clock.now = 11650;
    f.run.act_butons(kActionSpace, QString());
    f.run.Timer1_Timer();
    clock.now = 12400;
    f.run.Timer3_Timer();  // area 4, the back area
    clock.now = 12900;
    f.run.act_butons(kActionSpace, QString());
    // A press that is no switch selects nothing and is not recorded.
    f.run.act_butons(kActionEnter, QString());
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].area, 3);
    EXPECT_EQ(written[0].reaction_ms, 450);
    EXPECT_EQ(written[0].step_ms, 1200);
    EXPECT_FALSE(written[0].undo);
    EXPECT_EQ(written[0].board, QStringLiteral("/b/A.ORV"));
    EXPECT_EQ(written[1].area, 4);
    EXPECT_EQ(written[1].reaction_ms, 500);
    EXPECT_TRUE(written[1].undo);

    // A press that must be held 300 ms counts from going down, not from its acceptance.
    f.state.profile.acceptacio = 300;
    f.state.cursor = 0;
    clock.now = 20000;
    f.run.Timer3_Timer();  // area 2
    clock.now = 20400;
    f.run.Tauvirt_SwitchDown(65, false);
    f.run.act_butons(kActionSpace, QString());
    clock.now = 20750;
    f.run.Timer4_Timer();
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[2].area, 2);
    EXPECT_EQ(written[2].reaction_ms, 400);
    f.run.Tauvirt_SwitchUp(65);
    f.run.Timer1_Timer();
    f.state.profile.acceptacio = 0;

    // A new run: the back area selected first undoes nothing.
    f.run.start_access_method();
    f.state.cursor = 2;
    f.run.Timer3_Timer();
    f.run.act_butons(kActionSpace, QString());
    ASSERT_EQ(written.size(), 4u);
    EXPECT_FALSE(written[3].undo);
    EXPECT_EQ(written[3].reaction_ms, 0);
}

// Worked by hand: 20 reactions 400..1350 ms (50 apart): the 90th percentile is the 18th,
// 1250 ms; with 200 ms of margin, 1450 ms rounds up to 15 tenths.
TEST(StepSuggestion, NinetiethPercentilePlusMarginOnceThereAreEnoughPresses)
{
    std::vector<ReactionEntry> e;
    for (int i = 0; i < 19; ++i)
        e.push_back(entry(400 + 50 * i));
    EXPECT_FALSE(suggest_step(e).has_value()) << "19 presses are too few";
    e.push_back(entry(1350));
    auto s = suggest_step(e);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->samples, 20);
    EXPECT_EQ(s->reaction_p90_ms, 1250);
    EXPECT_EQ(s->temps, 15);

    // Two wild presses (one bounce, one long look away) among 20 steady ones: the bounce
    // is dropped and the long one lies above the 90th percentile.
    std::vector<ReactionEntry> steady = reactions({600, 600, 600, 600, 600, 600, 600, 600, 600, 600, 600, 600, 600,
                                                   600, 600, 600, 600, 600, 700, 700, 30, 9000});
    s = suggest_step(steady);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->samples, 21);
    EXPECT_EQ(s->reaction_p90_ms, 700);
    EXPECT_EQ(s->temps, 9);

    // Manual scanning and unknown reactions say nothing of the reaction time.
    std::vector<ReactionEntry> mixed = reactions({500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500,
                                                  500, 500, 500, 500, 500, 500});
    mixed.push_back(entry(5000, 1000, 1));
    mixed.push_back(entry(-1));
    EXPECT_FALSE(suggest_step(mixed).has_value());
}

TEST(StepSuggestion, UndoneSelectionsAndTheNewestPresses)
{
    // An undone press early in its step was late for the area before: 150 ms into a
    // 1000 ms step counts as 1150 ms. One late in its step tells nothing and is dropped.
    std::vector<ReactionEntry> e = reactions({500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500,
                                              500, 500});
    for (int r : {150, 150, 150, 800}) {
        ReactionEntry wrong = entry(r);
        wrong.corrected = true;
        e.push_back(wrong);
    }
    EXPECT_EQ(reaction_samples(e).size(), 19u);
    e.push_back(entry(500));
    const auto s = suggest_step(e);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->reaction_p90_ms, 1150);
    EXPECT_EQ(s->temps, 14);

    // Only the newest presses count: 200 slow ones long ago then 200 quick ones.
    std::vector<ReactionEntry> history;
    for (int i = 0; i < 200; ++i)
        history.push_back(entry(2000, 3000));
    for (int i = 0; i < 200; ++i)
        history.push_back(entry(400));
    EXPECT_EQ(suggest_step(history)->temps, 6);

    // The suggestion stays within what the profile can hold.
    std::vector<ReactionEntry> slow;
    for (int i = 0; i < 20; ++i)
        slow.push_back(entry(3000000, 3000000));
    EXPECT_EQ(suggest_step(slow)->temps, kLongestStepTenths);
}
