#include "Pixels.h"

#include <Screen.h>
#include <Wait.h>

COLORREF PixelOnceItShows(POINT screen, COLORREF want) {
  COLORREF seen = CLR_INVALID;
  try {
    ui::WaitUntil([&] { return (seen = ui::ScreenPixel(screen)) == want; }, "the colour",
                  ui::Ms(2000));
  } catch (const ui::TimeoutError&) {
  }
  return seen;
}

COLORREF ClientPixelOnceItShows(HWND window, POINT client, COLORREF want) {
  ::ClientToScreen(window, &client);
  return PixelOnceItShows(client, want);
}
