// The profiles shipped beside the boards: each holds every key a profile has (a reader
// keeps what it had in memory for a missing one), and its name says the access method.
#include <gtest/gtest.h>

#include <QDirIterator>

#include "model/settings.h"
#include "support/test_files.h"

namespace orvel {
namespace {

using testing::read_file;

TEST(ShippedProfiles, EveryProfileHoldsEveryKeyAndTheMethodItsNameSays)
{
    const struct {
        const char* file;
        int16_t modus;
        bool scanning;  // switches that answer, rows scanned first, the frame outlined
    } kinds[] = {{"RATOLI.USR", 0, false}, {"ESCANEIG_MANUAL.USR", 1, true}, {"ESCANEIG_AUTOMATIC.USR", 2, true}};

    int profiles = 0;
    QDirIterator it(QStringLiteral(ORVEL_SOURCE_DIR "/boards"), {QStringLiteral("*.USR")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        ++profiles;
        const QString text = QString::fromLatin1(read_file(path));
        for (const char* key : {"Interval", "So", "modus", "temps", "gruix", "color", "accio1", "accio2",
                                "variable1", "variable2", "retard1", "retard2", "n_joystic", "joystic_sensi",
                                "joystic_retard"})
            EXPECT_TRUE(text.contains(QStringLiteral("\r\n") + QLatin1String(key) + QLatin1Char('=')))
                << key;
        UserProfile profile;
        read_user_profile(profile, path, {});

        bool known = false;
        for (const auto& kind : kinds) {
            if (it.fileName() != QLatin1String(kind.file))
                continue;
            known = true;
            EXPECT_EQ(profile.modus, kind.modus);
            if (kind.scanning) {
                EXPECT_NE(profile.accio1, 0);
                EXPECT_NE(profile.accio2, 0);
                EXPECT_EQ(profile.files, 1);
                EXPECT_EQ(profile.marc_contrast, 1);
            }
        }
        EXPECT_TRUE(known) << "a profile of no known kind";
    }
    // Four boards' folders of three, and the example's.
    EXPECT_GE(profiles, 13);
}

}  // namespace
}  // namespace orvel
