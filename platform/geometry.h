#pragma once
// Window geometry as plain arithmetic on sizes and display bounds, so that the
// rules for sizing, placing, keeping the aspect ratio and the borderless
// resize edges hold without a display.
#include <vector>

namespace platform {

// A rectangle in screen pixels (a display's usable bounds).
struct Box {
  int x = 0, y = 0, w = 0, h = 0;
};

struct ModeSize {
  int w = 0, h = 0;          // the window size to open with
  int min_w = 0, min_h = 0;  // the smallest size the window may be given
};

// Full window (1180 x 780, or 1180 x 348 when collapsed) or compact view
// (420 x 132) from the saved size. `usable` is display 0's usable area, null
// when it cannot be read. The result keeps the view's aspect ratio.
ModeSize mode_size(bool compact, bool collapsed, int saved_w, int saved_h, const Box* usable);

struct Point {
  int x = 0, y = 0;
};

// Where a window of w x h goes: at the saved (x, y) when a display's usable
// area holds the point (x + w/2, y + 10), else centred on `primary` (full
// window) or 24 pixels from its bottom-right corner (compact view, w < 600).
// (-1, -1) means no saved position. `displays` are the readable usable areas.
Point place_window(int x, int y, int w, int h, const std::vector<Box>& displays,
                   const Box& primary);

struct Size {
  int w = 0, h = 0;
};

struct AspectInput {
  int w = 0, h = 0;            // the window size now
  int last_w = 0, last_h = 0;  // the size at the previous correction
  int ref_w = 0, ref_h = 0;    // the reference size whose ratio is kept
  int min_w = 0, min_h = 0;    // the window's minimum size
  const Box* usable = nullptr; // the window display's usable area, if readable
};

// The size a freshly resized window is brought to: the dimension that changed
// more (relative to the reference size) leads, the other follows the ratio;
// then raised to the minimum size and fitted into the usable area.
Size aspect_size(const AspectInput& in);

// A correction only resizes for a difference of 2 pixels or more: a 1-pixel
// rounding difference must not make the window jitter.
bool worth_resizing(Size now, Size wanted);

enum class Edge : int {
  none = 0,
  top_left,
  top_right,
  bottom_left,
  bottom_right,
  top,
  bottom,
  left,
  right,
};

// The resize zone of the borderless compact window under window point (x, y)
// of a w x h window: corners reach 18 pixels along an edge, edges are 10 deep.
Edge edge_at(int x, int y, int w, int h);

// SDL's vertical wheel amount to the user interface's step: up -1, down +1, 0 none.
int wheel_direction(int amount);

}  // namespace platform
