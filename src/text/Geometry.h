#pragma once

/// A rectangle as the screens keep it: right and bottom are exclusive.
struct CLSRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const CLSRect&) const = default;
};

struct CLSSize {
    int width = 0;
    int height = 0;
    bool operator==(const CLSSize&) const = default;
};
