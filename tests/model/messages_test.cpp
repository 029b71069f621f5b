#include <gtest/gtest.h>

#include <QStringList>

#include "model/messages.h"

using namespace orvel;

TEST(Messages, TableBoundsAndTexts)
{
    for (int i : {-1, 21, 32767})
        EXPECT_TRUE(missatge(i).isEmpty()) << i;
    for (int i = 0; i <= 20; ++i)
        EXPECT_FALSE(missatge(i).isEmpty()) << i;
    // A file name follows these directly.
    EXPECT_EQ(missatge(15), QStringLiteral("Orvel no troba el fitxer "));
    EXPECT_TRUE(missatge(3).endsWith(QLatin1Char(' ')));
    EXPECT_EQ(missatge(20), QStringLiteral("ACCEPTAR"));
    // The about text: lines joined by carriage returns, version first, date last.
    const QStringList about = missatge(6).split(QLatin1Char('\r'));
    ASSERT_EQ(about.size(), 6);
    EXPECT_EQ(about[0], QStringLiteral("    Orvel v 2.03 "));
    EXPECT_TRUE(about[1].isEmpty() && about[4].isEmpty());
    EXPECT_EQ(about[5], QStringLiteral("    novembre de 2002"));
}
