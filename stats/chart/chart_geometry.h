// Pixel geometry and colours shared by the chart model, its layout, the drawn
// scene and the hit zones. Kept apart so that none of them needs a drawing
// library: the widget that replays a scene converts these to its own types.
#pragma once

#include <cstdint>

#include "base/rgb.h"

namespace scorvane {

// A point in pixels, y growing downwards as on the screen.
struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

// A rectangle in pixels. Left and top belong to it, right and bottom do not,
// so a rectangle from 0 to 10 is 10 pixels wide.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  constexpr Rect Grown(int by) const { return {left - by, top - by, right + by, bottom + by}; }
  // True when the two rectangles share at least one pixel.
  constexpr bool Intersects(const Rect& other) const {
    const int l = left > other.left ? left : other.left;
    const int r = right < other.right ? right : other.right;
    const int t = top > other.top ? top : other.top;
    const int b = bottom < other.bottom ? bottom : other.bottom;
    return l < r && t < b;
  }
  // The same rectangle with right not left of left and bottom not above top,
  // so that no drawing is ever asked for a negative size.
  constexpr Rect Normalised() const {
    return {left, top, right < left ? left : right, bottom < top ? top : bottom};
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace scorvane
