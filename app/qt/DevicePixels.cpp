#include "app/qt/DevicePixels.h"

#include <cmath>
#include <cstdlib>

namespace {

// How far an edge may move: far enough for every ratio in quarters (1.25 needs 2).
constexpr int kMaxShift = 3;
constexpr double kTolerance = 1e-6;

bool OnDevicePixel(int logical, double ratio) {
  const double device = logical * ratio;
  return std::abs(device - std::round(device)) < kTolerance;
}

}  // namespace

int SnapToDevicePixel(int logical, double ratio) {
  if (ratio <= 0 || OnDevicePixel(logical, ratio)) return logical;
  // Nearest first; on a tie the lower one, so that snapping keeps the order of edges.
  for (int shift = 1; shift <= kMaxShift; ++shift) {
    if (OnDevicePixel(logical - shift, ratio)) return logical - shift;
    if (OnDevicePixel(logical + shift, ratio)) return logical + shift;
  }
  return logical;
}

QRect SnapToDevicePixels(const QRect& rect, double ratio) {
  const int left = SnapToDevicePixel(rect.left(), ratio);
  const int top = SnapToDevicePixel(rect.top(), ratio);
  // The frame's last line (right, bottom) is what must start on a device pixel: the
  // frame's inner part (a scroll area's viewport) ends there and would cover it.
  const int right = SnapToDevicePixel(rect.right(), ratio) + 1;
  const int bottom = SnapToDevicePixel(rect.bottom(), ratio) + 1;
  return QRect(left, top, right - left, bottom - top);
}

QSize SnapToDevicePixels(const QSize& size, double ratio) {
  return QSize(SnapToDevicePixel(size.width(), ratio), SnapToDevicePixel(size.height(), ratio));
}
