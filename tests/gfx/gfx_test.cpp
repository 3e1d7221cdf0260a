// Drawing primitives judged by the pixels they leave on a real cairo surface,
// and the theme's colour arithmetic.
#include <glib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cstdint>
#include <string>
#include <vector>

#include "desktop/i18n.h"
#include "gfx/gfx.h"
#include "gfx/theme.h"

namespace {

// A transparent ARGB surface at scale 1 that is the current drawing context
// for the lifetime of the object.
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
  int alpha(int x, int y) const { return pixel(x, y) >> 24; }
  bool inked(int x, int y) const { return alpha(x, y) > 64; }
  int width() const { return cairo_image_surface_get_width(surface_); }
  int height() const { return cairo_image_surface_get_height(surface_); }
  int ink_count() const {
    int n = 0;
    for (int y = 0; y < height(); ++y)
      for (int x = 0; x < width(); ++x) n += inked(x, y);
    return n;
  }

 private:
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

int g_pango_warnings = 0;

GLogWriterOutput count_pango_warnings(GLogLevelFlags level, const GLogField* fields,
                                      gsize n, gpointer) {
  if (level & (G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL)) {
    for (gsize i = 0; i < n; ++i) {
      if (std::strcmp(fields[i].key, "GLIB_DOMAIN") == 0 && fields[i].length < 0 &&
          std::strcmp(static_cast<const char*>(fields[i].value), "Pango") == 0) {
        ++g_pango_warnings;
      }
    }
  }
  return g_log_writer_default(level, fields, n, nullptr);
}

class Gfx : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { g_log_set_writer_func(count_pango_warnings, nullptr, nullptr); }
  void SetUp() override { ASSERT_TRUE(gfx::init(nullptr)); }
};

constexpr unsigned kWhite = 0xFFFFFFFF;

TEST_F(Gfx, RoundRectRadiusIsLimitedByTheShorterSide) {
  struct Case {
    float radius;
    bool corner_inked;   // the very corner pixel
    bool side_inked;     // left edge, one pixel above the middle
  };
  // On a 30 x 10 rectangle radius 20 behaves as 5: the left edge is a half
  // circle, so it touches x = 10 only near the middle.
  const Case cases[] = {{20, false, true}, {5, false, true}, {0, true, true}, {-4, true, true}};
  for (const Case& c : cases) {
    Canvas cv(60, 30);
    gfx::fill_round_rect({10, 10, 30, 10}, c.radius, kWhite);
    EXPECT_EQ(cv.inked(10, 10), c.corner_inked) << "radius " << c.radius;
    EXPECT_EQ(cv.inked(10, 14), c.side_inked) << "radius " << c.radius;
    EXPECT_TRUE(cv.inked(25, 10)) << "top edge, radius " << c.radius;
    EXPECT_FALSE(cv.inked(41, 15)) << "outside, radius " << c.radius;
  }
}

TEST_F(Gfx, ArcsRunClockwiseFromTwelveOClock) {
  struct Case {
    float a0, a1;
    bool top, right, bottom, left;
  };
  const Case cases[] = {
      {0, 360, true, true, true, true},      // closed circle
      {90, 90, false, false, false, false},  // empty
      {-135, 135, true, true, false, true},  // open at the bottom
      {45, 135, false, true, false, false},  // the right-hand quarter only
  };
  for (const Case& c : cases) {
    Canvas cv(100, 100);
    gfx::stroke_arc(50, 50, 30, c.a0, c.a1, kWhite, 4);
    const std::string what = std::to_string(c.a0) + ".." + std::to_string(c.a1);
    EXPECT_EQ(cv.inked(50, 20), c.top) << what;
    EXPECT_EQ(cv.inked(79, 50), c.right) << what;
    EXPECT_EQ(cv.inked(50, 79), c.bottom) << what;
    EXPECT_EQ(cv.inked(20, 50), c.left) << what;
    if (!c.top && !c.right && !c.bottom && !c.left) {
      EXPECT_EQ(cv.ink_count(), 0) << what;
    }
  }
}

TEST_F(Gfx, RingSegmentNeedsWidthAndSpan) {
  struct Case {
    float r_in, r_out, a0, a1;
    bool drawn;
  };
  const Case cases[] = {{20, 20, 0, 360, false}, {25, 20, 0, 90, false},
                        {10, 30, 90, 90, false}, {10, 30, 60, 120, true}};
  for (const Case& c : cases) {
    Canvas cv(100, 100);
    gfx::fill_arc_band(50, 50, c.r_in, c.r_out, c.a0, c.a1, kWhite);
    EXPECT_EQ(cv.ink_count() > 0, c.drawn) << c.r_in << " " << c.r_out << " " << c.a0;
  }
  Canvas cv(100, 100);
  gfx::fill_arc_band(50, 50, 10, 30, 60, 120, kWhite);
  EXPECT_TRUE(cv.inked(70, 50));   // 90 degrees lies on the right
  EXPECT_FALSE(cv.inked(50, 50));  // the hole
  EXPECT_FALSE(cv.inked(30, 50));
}

// Ink columns of a line of text drawn into r.
std::vector<int> ink_columns(const Canvas& cv) {
  std::vector<int> cols;
  for (int x = 0; x < cv.width(); ++x) {
    for (int y = 0; y < cv.height(); ++y) {
      if (cv.alpha(x, y) > 0) {
        cols.push_back(x);
        break;
      }
    }
  }
  return cols;
}

TEST_F(Gfx, OverlongTextIsClippedToItsRectangle) {
  const gfx::Rect r{30, 10, 40, 24};
  for (gfx::Align a : {gfx::Align::left, gfx::Align::center, gfx::Align::right}) {
    Canvas cv(100, 44);
    gfx::text(r, "WWWWWWWWWWWW", 16, kWhite, a, false, true);
    std::vector<int> cols = ink_columns(cv);
    ASSERT_FALSE(cols.empty());
    EXPECT_GE(cols.front(), 30);
    EXPECT_LT(cols.back(), 70);
    // The text is wider than the rectangle, so it fills it edge to edge.
    EXPECT_LE(cols.front(), 31);
    EXPECT_GE(cols.back(), 68);
    for (int x = 0; x < cv.width(); ++x) {
      for (int y : {0, 9, 34, 43}) EXPECT_EQ(cv.alpha(x, y), 0) << x << "," << y;
    }
  }
  // A short right-aligned text ends at the right edge and starts well after x.
  Canvas cv(100, 44);
  gfx::text(r, "ii", 16, kWhite, gfx::Align::right, false, true);
  std::vector<int> cols = ink_columns(cv);
  ASSERT_FALSE(cols.empty());
  EXPECT_GT(cols.front(), 55);
  EXPECT_GE(cols.back(), 64);
}

TEST_F(Gfx, FitCharsNeverSplitsACharacter) {
  const std::string word = "Gr\xC3\xBC\xC3\x9F" "e";  // ü and ß take two bytes each
  // Byte lengths of the prefixes of 1..5 characters.
  const std::size_t prefix_bytes[] = {1, 2, 4, 6, 7};
  // Pango warns when it is handed a string cut inside a character.
  const int warnings_before = g_pango_warnings;
  for (bool on_surface : {false, true}) {
    Canvas* cv = on_surface ? new Canvas(10, 10) : nullptr;
    if (!on_surface) gfx::set_context(nullptr);
    for (std::size_t n : prefix_bytes) {
      float w = gfx::text_width(word.substr(0, n), 14, false);
      EXPECT_EQ(gfx::fit_chars(word, 14, w), n) << "fits " << n << " bytes";
      EXPECT_EQ(gfx::fit_chars(word, 14, w + 0.5f), n);
    }
    EXPECT_EQ(gfx::fit_chars(word, 14, 0), 0u);
    EXPECT_EQ(gfx::fit_chars("", 14, 100), 0u);
    delete cv;
  }
  EXPECT_EQ(g_pango_warnings, warnings_before);
}

std::vector<unsigned char> png_of(unsigned argb, int w, int h) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgba(cr, ((argb >> 16) & 255) / 255.0, ((argb >> 8) & 255) / 255.0,
                        (argb & 255) / 255.0, (argb >> 24) / 255.0);
  cairo_paint(cr);
  cairo_destroy(cr);
  std::vector<unsigned char> out;
  cairo_surface_write_to_png_stream(
      s,
      [](void* closure, const unsigned char* data, unsigned int n) {
        auto* v = static_cast<std::vector<unsigned char>*>(closure);
        v->insert(v->end(), data, data + n);
        return CAIRO_STATUS_SUCCESS;
      },
      &out);
  cairo_surface_destroy(s);
  return out;
}

TEST_F(Gfx, ImagesAreDecodedOnceAndBrokenOnesStayBroken) {
  const std::vector<unsigned char> red = png_of(0xFFFF0000, 4, 4);
  // Same address throughout: after the first draw the bytes no longer matter.
  std::vector<unsigned char> good = red;
  std::vector<unsigned char> broken(red.size(), 0);
  const struct {
    std::vector<unsigned char>* buf;
    bool drawn;
  } cases[] = {{&good, true}, {&broken, false}};
  for (const auto& c : cases) {
    for (int round = 0; round < 2; ++round) {
      Canvas cv(40, 40);
      gfx::image_png(c.buf->data(), c.buf->size(), {10, 10, 16, 16});
      EXPECT_EQ(cv.pixel(18, 18) == 0xFFFF0000u, c.drawn) << "round " << round;
      EXPECT_EQ(cv.alpha(4, 4), 0);
      EXPECT_EQ(cv.alpha(32, 32), 0);
      // Swap the contents: a second decode would now give the other answer.
      if (round == 0 && c.drawn) std::fill(c.buf->begin(), c.buf->end(), 0);
      if (round == 0 && !c.drawn) std::copy(red.begin(), red.end(), c.buf->begin());
    }
  }
  // A truncated image is not read past its end.
  std::vector<unsigned char> cut(red.begin(), red.begin() + red.size() / 2);
  Canvas cv(20, 20);
  gfx::image_png(cut.data(), cut.size(), {0, 0, 20, 20});
  EXPECT_EQ(cv.ink_count(), 0);
}

// True when the leftmost inked column of the text has ink only in the lower
// half of the text's ink, as a full stop does and a capital V does not.
bool starts_with_low_mark(const Canvas& cv) {
  int top = cv.height(), bottom = -1, left = -1;
  for (int x = 0; x < cv.width(); ++x) {
    for (int y = 0; y < cv.height(); ++y) {
      if (cv.alpha(x, y) > 0) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        if (left < 0) left = x;
      }
    }
  }
  if (left < 0) return false;
  for (int y = 0; y < (top + bottom) / 2; ++y) {
    if (cv.alpha(left, y) > 0 || cv.alpha(left + 1, y) > 0) return false;
  }
  return true;
}

TEST_F(Gfx, RightToLeftLanguagesSetTheParagraphDirection) {
  // Under a right-to-left language the sentence runs right to left even though
  // it opens with a Latin word, so its final full stop is drawn leftmost.
  const std::string hebrew = "Velmora \xD7\xA4\xD7\x95\xD7\xA2\xD7\x9C.";
  const std::string arabic = "Velmora \xD9\x8A\xD8\xB9\xD9\x85\xD9\x84.";
  const struct {
    const char* lang;
    const std::string* s;
    bool stop_leftmost;
  } cases[] = {{"he", &hebrew, true}, {"ar", &arabic, true}, {"en", &hebrew, false},
               {"de", &arabic, false}};
  for (const auto& c : cases) {
    i18n::set_language(c.lang);
    for (bool wrapped : {false, true}) {
      Canvas cv(300, 40);
      if (wrapped) {
        gfx::text_wrapped({4, 4, 292, 32}, *c.s, 18, kWhite, gfx::Align::left);
      } else {
        gfx::text({4, 4, 292, 32}, *c.s, 18, kWhite, gfx::Align::left, false, false);
      }
      EXPECT_EQ(starts_with_low_mark(cv), c.stop_leftmost) << c.lang << " wrapped " << wrapped;
      // A wrapped paragraph aligned to its start begins at the right edge.
      if (wrapped) {
        EXPECT_EQ(ink_columns(cv).back() > 250, c.stop_leftmost) << c.lang;
      }
    }
  }
  i18n::set_language("en");
}

TEST_F(Gfx, MeasuringNeedsNoSurface) {
  gfx::set_context(nullptr);
  EXPECT_FALSE(gfx::begin());
  EXPECT_EQ(gfx::text_wrapped({0, 0, 100, 100}, "text", 12, kWhite, gfx::Align::left), 0);
  EXPECT_GT(gfx::text_width("text", 12, true), gfx::text_width("text", 12, false));
  EXPECT_GT(gfx::wrapped_height("one two three four five six", 12, 40),
            gfx::wrapped_height("one", 12, 40));
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
      {0x12345678, 0x9ABCDEF0, 0.0f, 0x12345678},
      {0x12345678, 0x9ABCDEF0, 1.0f, 0x9ABCDEF0},
      {0x12345678, 0x9ABCDEF0, 7.0f, 0x9ABCDEF0},
      {0xFFFFFFFF, 0x00000000, 0.5f, 0x80808080},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(theme::mix(c.a, c.b, c.t), c.want) << std::hex << c.a << " " << c.b << " " << c.t;
  }
}

TEST(Theme, WithAlphaReplacesOnlyAlpha) {
  const struct {
    float a;
    unsigned want;
  } cases[] = {{2.0f, 0xFF345678}, {1.0f, 0xFF345678}, {0.5f, 0x80345678},
               {0.0f, 0x00345678}, {-1.0f, 0x00345678}};
  for (const auto& c : cases) EXPECT_EQ(theme::with_alpha(0x12345678, c.a), c.want) << c.a;
}

}  // namespace
