#include "export/pdf_export.h"

#include <gtest/gtest.h>

namespace
{

QString textLine(const QString &font, int horz, int vert, int orientation, int l = 1134, int t = 1701,
                 int w = 680, int h = 283)
{
    return font +
           QStringLiteral("[fo:%1:fo][tca:x:tca][tl:%2:tl][tt:%3:tt][tr:%4:tr][tb:%5:tb][tc:0:tc][tv:%6:tv]"
                          "[ts:5:ts][th:%7:th]")
               .arg(orientation)
               .arg(l)
               .arg(t)
               .arg(w)
               .arg(h)
               .arg(vert)
               .arg(horz);
}

const QString kArial = QStringLiteral("[fn:Arial:fn][fs:3.5:fs][fc:0:fc]");
bool anyFace(const QString &)
{
    return true;
}

} // namespace

TEST(TextLinePlan, BoxPositionAndReferencePoint)
{
    // 12 x 5 mm at 20 mm, 30 mm, centred, on an A4 page of 866 points.
    TextLinePlan plan = PlanTextLine(textLine(kArial, 1, 1, 0), 866, anyFace);
    EXPECT_EQ(plan.options, QStringLiteral("boxsize={34 14.15} position={center center} fitmethod=auto"));
    EXPECT_EQ(plan.x, 56);
    EXPECT_EQ(plan.y, 866 - 85 - 14);

    const char *horz[] = {"left", "center", "right"};
    const char *vert[] = {"top", "center", "bottom"};
    for (int v = 0; v < 3; ++v)
        for (int h = 0; h < 3; ++h)
            EXPECT_TRUE(PlanTextLine(textLine(kArial, h, v, 0), 866, anyFace)
                            .options.contains(QStringLiteral("} position={%1 %2}").arg(horz[h], vert[v])));

    EXPECT_TRUE(PlanTextLine(textLine(kArial, 0, 0, 90), 866, anyFace).options.endsWith(" orientate=west"));
    EXPECT_TRUE(PlanTextLine(textLine(kArial, 0, 0, 270), 866, anyFace).options.endsWith(" orientate=east"));
    plan = PlanTextLine(textLine(kArial, 0, 0, 180), 866, anyFace);
    EXPECT_TRUE(plan.options.endsWith(" fitmethod=auto orientate=south"));
    EXPECT_EQ(plan.y, 866 - 85 - 14 + 34); // turned lines start one width higher
    EXPECT_EQ(PlanTextLine(textLine(kArial, 0, 0, 90), 866, anyFace).y, 866 - 85 - 14);

    // Unknown codes: no text. Codes read with blanks and commas removed, absent ones as 0.
    EXPECT_TRUE(PlanTextLine(textLine(kArial, 3, 0, 0), 866, anyFace).options.isEmpty());
    EXPECT_TRUE(PlanTextLine(textLine(kArial, 0, -1, 0), 866, anyFace).options.isEmpty());
    EXPECT_TRUE(PlanTextLine(textLine(kArial, 0, 0, 45), 866, anyFace).options.isEmpty());
    const QString spaced =
        QStringLiteral("[tca:x:tca][tl:0:tl][tt:0:tt][tr:20:tr][tb:20:tb][tv: 2:tv][th:1,:th]");
    EXPECT_TRUE(PlanTextLine(spaced, 100, anyFace).options.contains(QStringLiteral("{center bottom}")));
    EXPECT_TRUE(PlanTextLine(QStringLiteral("[tca:x:tca]"), 100, anyFace)
                    .options.contains(QStringLiteral("{left top}")));
}

TEST(TextLinePlan, FontNameAndSizeRules)
{
    auto known = [](const QString &face) {
        return face == QLatin1String("Arial Unicode MS") || face == "Arial";
    };
    auto plan = [&](const QString &tags) {
        return PlanTextLine(tags + QStringLiteral("[tca:x:tca]"), 842, known);
    };

    EXPECT_EQ(plan(QStringLiteral("[fn:Arial:fn][fs:3.5:fs]")).size, 10); // 9.92 rounded
    EXPECT_EQ(plan(QStringLiteral("[fn:Arial:fn][fs:0:fs]")).size, 28);   // below 1 mm: 10 mm
    EXPECT_EQ(plan(QStringLiteral("[fn:Arial:fn][fs:0.99:fs]")).size, 28);
    EXPECT_EQ(plan(QStringLiteral("[fn:Arial:fn]")).size, 28);
    EXPECT_EQ(plan(QStringLiteral("[fn:Arial:fn][fs:1:fs]")).size, 3);
    EXPECT_EQ(plan(QStringLiteral("[fn:Arial:fn][fs:12.7:fs]")).size, 36);

    EXPECT_EQ(plan(QStringLiteral("[fn:Arial:fn][fb:1:fb][fi:1:fi]")).font,
              QStringLiteral("Arial,Bold,Italic"));
    EXPECT_EQ(plan(QStringLiteral("[fn:Arial:fn][fi:1:fi]")).font, QStringLiteral("Arial,Italic"));
    EXPECT_EQ(plan(QStringLiteral("[fn:Arial:fn][fb:0:fb]")).font, QStringLiteral("Arial"));
    EXPECT_EQ(plan(QStringLiteral("[fn:@Arial Unicode MS:fn]")).font, QStringLiteral("Arial Unicode MS"));
    EXPECT_EQ(plan(QStringLiteral("[fn:Wingdings:fn][fb:1:fb]")).font, QStringLiteral("Courier New,Bold"));
    EXPECT_EQ(plan(QStringLiteral("[fn::fn]")).font, QStringLiteral("Courier New"));
}
