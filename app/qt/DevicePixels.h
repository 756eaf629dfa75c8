// Control rectangles on whole device pixels. At a fractional screen scale (1.25, 1.5)
// a widget whose edge falls between two device pixels loses a row or column of its
// frame to clipping; moving each edge to the nearest logical pixel that is also a whole
// device pixel keeps every frame whole. Used by the Qt backend when it places controls.
#pragma once
#include <QRect>
#include <QSize>

// The nearest logical coordinate to `logical` (within a few pixels) that falls on a
// whole device pixel at `ratio`; `logical` itself when there is none that close or the
// ratio is whole.
int SnapToDevicePixel(int logical, double ratio);

// `rect` with each of its four edges snapped (the far edges as right + 1, bottom + 1).
QRect SnapToDevicePixels(const QRect& rect, double ratio);
QSize SnapToDevicePixels(const QSize& size, double ratio);
