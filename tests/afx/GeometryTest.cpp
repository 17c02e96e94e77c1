#include "afx.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const CRect& rect, int l, int t, int r, int b)
{
    EXPECT_EQ(rect, CRect(l, t, r, b))
        << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
}

} // namespace

TEST(Geometry, CornersEmptinessIntersectionUnionAndSubtraction)
{
    CRect rect(CPoint(10, 20), CSize(30, 40));
    rect.TopLeft() = CPoint(0, 0);
    rect.BottomRight() += CSize(5, 5);
    ExpectRect(rect, 0, 0, 45, 65);
    EXPECT_EQ(CPoint(MAKELONG(static_cast<WORD>(-5), 7)), CPoint(-5, 7)) << "signed words";

    CRect flipped(50, 40, 10, 20);
    EXPECT_TRUE(flipped.IsRectEmpty()) << "negative width is empty";
    EXPECT_FALSE(flipped.IsRectNull());
    flipped.NormalizeRect();
    ExpectRect(flipped, 10, 20, 50, 40);
    EXPECT_FALSE(flipped.IsRectEmpty());

    EXPECT_TRUE(flipped.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(flipped.PtInRect(CPoint(50, 30))) << "the right edge lies outside";
    EXPECT_FALSE(flipped.PtInRect(CPoint(30, 40))) << "the bottom edge lies outside";
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect().IsRectNull());

    CRect grown(10, 10, 20, 20);
    grown.InflateRect(2, 3);
    ExpectRect(grown, 8, 7, 22, 23);
    grown.DeflateRect(CRect(1, 2, 3, 4));
    ExpectRect(grown, 9, 9, 19, 19);
    grown.DeflateRect(20, 0);
    ExpectRect(grown, 29, 9, -1, 19);
    EXPECT_TRUE(grown.IsRectEmpty()) << "deflating past the middle empties";

    const CRect a(0, 0, 10, 10);
    ExpectRect(a & CRect(5, 5, 15, 15), 5, 5, 10, 10);
    CRect touching;
    EXPECT_FALSE(touching.IntersectRect(a, CRect(10, 0, 20, 10))) << "shared edge only";
    EXPECT_TRUE(touching.IsRectNull()) << "an empty result is all zero";
    EXPECT_FALSE(touching.IntersectRect(a, CRect(20, 20, 10, 10))) << "an unnormalised source";

    ExpectRect(a | CRect(20, 20, 30, 30), 0, 0, 30, 30);
    // Union ignores empty rectangles.
    ExpectRect(a | CRect(100, 100, 100, 200), 0, 0, 10, 10);
    CRect none;
    EXPECT_FALSE(none.UnionRect(CRect(), CRect(3, 3, 3, 3)));
    EXPECT_TRUE(none.IsRectNull());

    CRect self(0, 0, 10, 10);
    self.IntersectRect(self, CRect(2, 2, 4, 4));
    ExpectRect(self, 2, 2, 4, 4);

    CRect rest;
    EXPECT_TRUE(rest.SubtractRect(a, CRect(5, -1, 11, 11)));
    // A band that covers a whole side is cut off.
    ExpectRect(rest, 0, 0, 5, 10);
    EXPECT_TRUE(rest.SubtractRect(a, CRect(2, 2, 4, 4)));
    // A hole cannot be cut, so nothing changes.
    ExpectRect(rest, 0, 0, 10, 10);
    EXPECT_FALSE(rest.SubtractRect(a, CRect(-1, -1, 11, 11)));
    EXPECT_TRUE(rest.IsRectEmpty());
}

