#include "export/pdf_export.h"
#include "export_test_util.h"

#include <gtest/gtest.h>

using exporttest::textLine;

// Where text lands is checked through a PDF reader in pdf_export_test; here are the rules it
// cannot tell apart: turned lines, codes written loosely, font sizes and face names.
TEST(TextLinePlan, OrientationAndLooseCodes)
{
    const auto plan = [](const QString &line) {
        return PlanTextLine(line, 866, [](const QString &) { return true; });
    };
    // 12 x 5 mm at 20 mm, 30 mm on a page of 866 points: the box's lower-left corner
    const TextLinePlan upright = plan(textLine("x", 1134, 1701, 680, 283, 1, 1, 0));
    EXPECT_EQ(upright.options, QStringLiteral("boxsize={34 14.15} position={center center} fitmethod=auto"));
    EXPECT_EQ(std::make_pair(upright.x, upright.y), std::make_pair(56, 866 - 85 - 14));

    EXPECT_TRUE(plan(textLine("x", 1134, 1701, 680, 283, 0, 0, 90)).options.endsWith(" orientate=west"));
    EXPECT_TRUE(plan(textLine("x", 1134, 1701, 680, 283, 0, 0, 270)).options.endsWith(" orientate=east"));
    const TextLinePlan south = plan(textLine("x", 1134, 1701, 680, 283, 0, 0, 180));
    EXPECT_TRUE(south.options.endsWith(" fitmethod=auto orientate=south"));
    EXPECT_EQ(south.y, upright.y + 34); // turned upside down, the line starts one width higher
    EXPECT_EQ(plan(textLine("x", 1134, 1701, 680, 283, 0, 0, 90)).y, upright.y);

    // Codes read with blanks and commas removed, absent ones as 0, unknown ones give no text.
    EXPECT_TRUE(plan("[tca:x:tca][tl:0:tl][tt:0:tt][tr:20:tr][tb:20:tb][tv: 2:tv][th:1,:th]")
                    .options.contains(QStringLiteral("} position={center bottom}")));
    EXPECT_TRUE(plan("[tca:x:tca]").options.contains(QStringLiteral("} position={left top}")));
    EXPECT_TRUE(plan(textLine("x", 1134, 1701, 680, 283, 0, -1, 0)).options.isEmpty());
}

TEST(TextLinePlan, FontNameAndSizeRules)
{
    const auto plan = [](const QString &tags) {
        return PlanTextLine(tags + QStringLiteral("[tca:x:tca]"), 842, [](const QString &face) {
            return face == QLatin1String("Arial Unicode MS") || face == QLatin1String("Arial");
        });
    };
    // points from millimetres, rounded; below 1 mm (or none) the size is 10 mm
    const std::pair<const char *, int> sizes[] = {{"[fs:3.5:fs]", 10},  {"[fs:0:fs]", 28},
                                                  {"[fs:0.99:fs]", 28}, {"", 28},
                                                  {"[fs:1:fs]", 3},     {"[fs:12.7:fs]", 36}};
    for (const auto &[tag, size] : sizes)
        EXPECT_EQ(plan(QStringLiteral("[fn:Arial:fn]") + tag).size, size) << tag;

    const std::pair<const char *, const char *> faces[] = {
        {"[fn:Arial:fn][fb:1:fb][fi:1:fi]", "Arial,Bold,Italic"},
        {"[fn:Arial:fn][fi:1:fi]", "Arial,Italic"},
        {"[fn:Arial:fn][fb:0:fb]", "Arial"},
        {"[fn:@Arial Unicode MS:fn]", "Arial Unicode MS"},  // the vertical-writing mark goes
        {"[fn:Wingdings:fn][fb:1:fb]", "Courier New,Bold"}, // unknown faces keep their style
        {"[fn::fn]", "Courier New"},
    };
    for (const auto &[tags, font] : faces)
        EXPECT_EQ(plan(tags).font, font) << tags;
}
