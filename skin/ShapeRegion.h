// The outline of a picture as a window region: every pixel that is not of the key colour.
#pragma once

#include <windows.h>

// The region of hBitmap's pixels outside the key colour crKey (with the per-channel tolerance
// crTolerance above it), owned by the caller; null when the picture cannot be read.
HRGN MakeShapeRegion(HBITMAP hBitmap, COLORREF crKey, COLORREF crTolerance);
