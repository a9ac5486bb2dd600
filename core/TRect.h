#pragma once

namespace tavelor {

// A rectangle of the main window, in pixels of its client area.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const TRect &) const = default;
};

} // namespace tavelor
