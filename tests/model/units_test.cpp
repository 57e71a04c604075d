#include "model/units.h"

#include <gtest/gtest.h>

TEST(Units, placeholder) { EXPECT_EQ(MmToTwips(10.0), 567); }
