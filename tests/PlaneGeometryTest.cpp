// SPDX-License-Identifier: MIT
// The one mapping between plane units and surface pixels, and the three plane sizes.
#include "plane/PlaneGeometry.h"
#include "plane/DrawPlane.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

TEST(PlaneGeometry, MapsPlanePointsToPixelsAndBack)
{
    const struct {
        const char* Name;
        PlaneGeometry Geometry;
        PlanePoint Plane;
        Point Surface;
    } rows[] = {{"origin", {300, 300, 22}, {0, 0}, {300, 300}}, {"y is upwards", {300, 300, 22}, {-3, 3}, {234, 234}},
        {"large plane", {300, 300, 40}, {3, -1}, {420, 340}}, {"small plane", {300, 300, 14}, {-3, 3}, {258, 258}},
        {"another origin", {100, 50, 10}, {0.5, -2}, {105, 70}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Geometry.toSurface(row.Plane), row.Surface);
        EXPECT_EQ(row.Geometry.toPlane(row.Surface), row.Plane);
    }
}

TEST(PlaneGeometry, VisiblePartOfTheSurface)
{
    EXPECT_EQ((PlaneGeometry{300, 300, 40}).visible(600, 600), (PlaneRect{-7.5, 7.5, -7.5, 7.5}));
    EXPECT_EQ((PlaneGeometry{300, 300, 40}).visible(600, 600, 20), (PlaneRect{-8, 8, -8, 8}));
    EXPECT_EQ((PlaneGeometry{200, 300, 20}).visible(600, 400), (PlaneRect{-10, 20, -5, 15}));
}

TEST(PlaneGeometry, TheThreeSizesAndNoOther)
{
    EXPECT_EQ(planeSizeFor(40)->UnitsPerLabel, 2);
    EXPECT_EQ(planeSizeFor(22)->LabelCount, 5);
    EXPECT_EQ(planeSizeFor(14)->LabelCount, 8);
    EXPECT_FALSE(planeSizeFor(20).has_value());
    EXPECT_EQ(PlaneSizes[MediumPlane].UnitPixels, 22);
}

TEST(PlaneGeometry, AxisNamesTakeTheOriginAsWindowCoordinates)
{
    const AxisNamePlaces places = axisNamePlaces({300, 300, 14});
    EXPECT_EQ(places.YNameLeft, 304);
    EXPECT_EQ(places.XNameTop, 328);
}

} // namespace
} // namespace zelmora
