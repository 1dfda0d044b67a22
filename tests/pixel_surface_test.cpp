// The mapping of the show's logical coordinates onto a platform's pixels, shared by both real
// platforms: what reaches the canvas for each drawing operation.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "surface/pixel_surface.h"

namespace quorex {
namespace {

// A 1024 x 768 canvas that writes down each primitive it is asked to draw.
class CanvasLog final : public PixelSurface {
 public:
  CanvasLog() {
    SetCanvasSize(1024, 768);
    SetScale(-300, -300, 300, 300);
  }
  void Show() override {}
  void SetTimerEnabled(bool) override {}
  void Destroy() override {}

  std::vector<std::string> drawn;

 protected:
  void FillCanvas(int32_t color) override { drawn.push_back("fill " + std::to_string(color)); }
  void CanvasLine(PixelPoint a, PixelPoint b, int32_t color) override {
    drawn.push_back("line " + Text(a) + " " + Text(b) + " " + std::to_string(color));
  }
  void CanvasBox(PixelPoint a, PixelPoint b, int32_t color) override {
    drawn.push_back("box " + Text(a) + " " + Text(b) + " " + std::to_string(color));
  }
  void CanvasCircle(PixelPoint centre, int radius, int32_t color) override {
    drawn.push_back("circle " + Text(centre) + " " + std::to_string(radius) + " " +
                    std::to_string(color));
  }

 private:
  static std::string Text(PixelPoint p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
  }
};

struct PointCase {
  float x, y;
  int px, py;
};

class PixelMapping : public testing::TestWithParam<PointCase> {};

// 600 logical units across 1024 pixels: the pixel is the floor of the scaled distance from the
// left and top edges, also left of and above the canvas; far-away points and NaN saturate.
TEST_P(PixelMapping, MapsALogicalPointToThePixelItFallsOn) {
  const PointCase& c = GetParam();
  const PixelPoint p = CanvasLog().ToPixel(c.x, c.y);
  EXPECT_EQ(p.x, c.px) << c.x;
  EXPECT_EQ(p.y, c.py) << c.y;
}

INSTANTIATE_TEST_SUITE_P(
    Points, PixelMapping,
    testing::Values(PointCase{-300, -300, 0, 0}, PointCase{0, 0, 512, 384},
                    PointCase{300, 300, 1024, 768}, PointCase{-301, -301, -2, -2},
                    PointCase{-300.5f, 299.9f, -1, 767}, PointCase{1e9f, -1e9f, 16000, -16000},
                    PointCase{std::numeric_limits<float>::quiet_NaN(), 0, -16000, 384}));

TEST(PixelSurface, LinesStartAtTheCurrentPointUnlessGivenAndBoxesUseBothCorners) {
  CanvasLog canvas;
  canvas.SetForegroundColor(7);
  canvas.DrawLine(FirstPointGiven, -300, -300, 0, 0, 0);
  canvas.DrawLine(0, 0, 0, 300, 300, 0);               // from (0, 0), where the last one ended
  canvas.DrawLine(FirstPointGiven | Box | ColorGiven, -300, -300, 0, 0, 9);
  EXPECT_EQ(canvas.drawn, (std::vector<std::string>{"line 0,0 512,384 7",
                                                    "line 512,384 1024,768 7",
                                                    "box 0,0 512,384 9"}));
}

TEST(PixelSurface, CirclesOfNoVisibleRadiusDrawNothing) {
  CanvasLog canvas;
  canvas.SetForegroundColor(5);
  for (float radius : {0.0f, -10.0f, 0.1f, std::numeric_limits<float>::quiet_NaN()}) {
    canvas.DrawCircle(0, 0, radius);
  }
  canvas.DrawCircle(0, 0, 30);  // 30 units of 1024/600 pixels
  EXPECT_EQ(canvas.drawn, (std::vector<std::string>{"circle 512,384 51 5"}));
}

}  // namespace
}  // namespace quorex
