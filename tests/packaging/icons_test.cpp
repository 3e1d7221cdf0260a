// Runs the icon tool into a scratch directory and checks what icon themes
// need: square pictures of the stated size with a transparent outside, the
// logo actually drawn, and an SVG whose nominal size is in pixels.
#include <cairo.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class IconTool : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    char tmpl[] = "/tmp/vlm-icons-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    const std::string cmd = std::string(VLM_MAKE_ICONS) + " " + dir_ + "/out";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }

  static std::string dir_;
};
std::string IconTool::dir_;

std::uint32_t pixel(cairo_surface_t* s, int x, int y) {
  const unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
  return reinterpret_cast<const std::uint32_t*>(row)[x];
}

TEST_F(IconTool, PngSizesAreSquareWithTransparentCorners) {
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const std::string dim = std::to_string(size) + "x" + std::to_string(size);
    const std::string path = dir_ + "/out/" + dim + "/velmora.png";
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS) << path;
    EXPECT_EQ(cairo_image_surface_get_format(s), CAIRO_FORMAT_ARGB32);
    EXPECT_EQ(cairo_image_surface_get_width(s), size);
    EXPECT_EQ(cairo_image_surface_get_height(s), size);
    const int last = size - 1;
    for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}})
      EXPECT_EQ(pixel(s, x, y) >> 24, 0u) << "corner " << x << "," << y;
    // The tile is opaque in the middle and on the edge centres.
    for (auto [x, y] : {std::pair{size / 2, size / 2}, {size / 2, 0}, {0, size / 2}})
      EXPECT_EQ(pixel(s, x, y) >> 24, 255u) << "inside " << x << "," << y;
    cairo_surface_destroy(s);
  }
  // Exactly the seven sizes and the scalable picture, nothing else.
  int entries = 0;
  for (const auto& e : fs::directory_iterator(dir_ + "/out")) entries += e.is_directory();
  EXPECT_EQ(entries, 8);
}

TEST_F(IconTool, SvgHasPixelSizeAndDrawing) {
  std::ifstream in(dir_ + "/out/scalable/velmora.svg");
  ASSERT_TRUE(in.good());
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string svg = ss.str();
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("width=\"256px\""), std::string::npos);
  EXPECT_NE(svg.find("height=\"256px\""), std::string::npos);
  // The tile and the filament come out as paths with gradients, not as an
  // embedded bitmap.
  EXPECT_NE(svg.find("<path"), std::string::npos);
  EXPECT_NE(svg.find("Gradient"), std::string::npos);
  EXPECT_EQ(svg.find("<image"), std::string::npos);
}

}  // namespace
