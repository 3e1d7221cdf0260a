// Drawing primitives that the committed window pictures cannot see: text
// direction under other languages, measuring without a surface, damaged
// images, and the theme's colour arithmetic.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "desktop/i18n.h"
#include "gfx/gfx.h"
#include "gfx/theme.h"

namespace {

constexpr unsigned kWhite = 0xFFFFFFFF;

// A transparent surface that is the drawing context while the object lives.
class Canvas {
 public:
  Canvas(int w, int h)
      : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)), cr_(cairo_create(surface_)) {
    gfx::set_context(cr_);
  }
  ~Canvas() {
    gfx::set_context(nullptr);
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  std::uint32_t pixel(int x, int y) const {
    cairo_surface_flush(surface_);
    const unsigned char* row =
        cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    return reinterpret_cast<const std::uint32_t*>(row)[x];
  }
  bool inked(int x, int y) const { return (pixel(x, y) >> 24) > 0; }
  int w() const { return cairo_image_surface_get_width(surface_); }
  int h() const { return cairo_image_surface_get_height(surface_); }

 private:
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

class Gfx : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(gfx::init(nullptr)); }
  void TearDown() override { i18n::set_language("en"); }
};

TEST_F(Gfx, RightToLeftLanguagesSetTheParagraphDirection) {
  // The sentences open with a Latin word; under a right-to-left language they
  // still run right to left, so the final full stop is the leftmost ink.
  const std::string hebrew = "Velmora \xD7\xA4\xD7\x95\xD7\xA2\xD7\x9C.";
  const std::string arabic = "Velmora \xD9\x8A\xD8\xB9\xD9\x85\xD9\x84.";
  const struct {
    const char* lang;
    const std::string* s;
    bool rtl;
  } cases[] = {{"he", &hebrew, true}, {"ar", &arabic, true}, {"en", &hebrew, false}, {"de", &arabic, false}};
  for (const auto& c : cases) {
    i18n::set_language(c.lang);
    for (bool wrapped : {false, true}) {
      SCOPED_TRACE(std::string(c.lang) + (wrapped ? " wrapped" : " single line"));
      Canvas cv(300, 40);
      if (wrapped)
        gfx::text_wrapped({4, 4, 292, 32}, *c.s, 18, kWhite, gfx::Align::left);
      else
        gfx::text({4, 4, 292, 32}, *c.s, 18, kWhite, gfx::Align::left, false, false);
      int left = -1, right = -1, top = cv.h(), bottom = -1;
      for (int x = 0; x < cv.w(); ++x)
        for (int y = 0; y < cv.h(); ++y)
          if (cv.inked(x, y)) {
            if (left < 0) left = x;
            right = x;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
          }
      ASSERT_GE(left, 0);
      // A full stop has ink only in the lower half; a capital V does not.
      bool stop_leftmost = true;
      for (int y = 0; y < (top + bottom) / 2; ++y)
        if (cv.inked(left, y) || cv.inked(left + 1, y)) stop_leftmost = false;
      EXPECT_EQ(stop_leftmost, c.rtl);
      // A wrapped paragraph aligned to its start begins at the right edge.
      if (wrapped) {
        EXPECT_EQ(right > 250, c.rtl);
      }
    }
  }
}

TEST_F(Gfx, MeasuringNeedsNoSurface) {
  gfx::set_context(nullptr);
  EXPECT_FALSE(gfx::begin());
  EXPECT_EQ(gfx::text_wrapped({0, 0, 100, 100}, "text", 12, kWhite, gfx::Align::left), 0);
  EXPECT_GT(gfx::text_width("text", 12, true), gfx::text_width("text", 12, false));
  EXPECT_GT(gfx::wrapped_height("one two three four five six", 12, 40), gfx::wrapped_height("one", 12, 40));
}

TEST_F(Gfx, DamagedImagesDrawNothing) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4);
  std::vector<unsigned char> png;
  cairo_surface_write_to_png_stream(
      s,
      [](void* out, const unsigned char* data, unsigned int n) {
        static_cast<std::vector<unsigned char>*>(out)->insert(
            static_cast<std::vector<unsigned char>*>(out)->end(), data, data + n);
        return CAIRO_STATUS_SUCCESS;
      },
      &png);
  cairo_surface_destroy(s);
  const std::vector<unsigned char> zeros(png.size(), 0), cut(png.begin(), png.begin() + png.size() / 2);
  for (const auto* bytes : {&zeros, &cut}) {
    Canvas cv(20, 20);
    gfx::image_png(bytes->data(), bytes->size(), {0, 0, 20, 20});
    for (int i = 0; i < 20; ++i) EXPECT_FALSE(cv.inked(i, i));
  }
}

TEST(Theme, MixBlendsEveryByteAndClampsT) {
  const struct {
    unsigned a, b;
    float t;
    unsigned want;
  } cases[] = {
      {0xFF000000, 0xFFFFFFFF, 0.5f, 0xFF808080},  // 127.5 rounds up
      {0x00000000, 0xFF000000, 0.5f, 0x80000000},  // alpha is mixed too
      {0x10203040, 0x20406080, 0.25f, 0x14283C50},
      {0x12345678, 0x9ABCDEF0, -1.0f, 0x12345678},
      {0x12345678, 0x9ABCDEF0, 7.0f, 0x9ABCDEF0},
  };
  for (const auto& c : cases) EXPECT_EQ(theme::mix(c.a, c.b, c.t), c.want) << std::hex << c.a << " " << c.t;
  EXPECT_EQ(theme::with_alpha(0x12345678, 0.5f), 0x80345678u);
  EXPECT_EQ(theme::with_alpha(0x12345678, 2.0f), 0xFF345678u);
  EXPECT_EQ(theme::with_alpha(0x12345678, -1.0f), 0x00345678u);
}

}  // namespace
