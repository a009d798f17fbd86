#include "text/Colour.h"

#include <algorithm>
#include <cstdio>

uint32_t rgbToHsv(Colour colour) {
    int r = redOf(colour), g = greenOf(colour), b = blueOf(colour);
    int v = std::max({r, g, b});
    int m = std::min({r, g, b});
    int d = v - m;
    int s = v == 0 ? 0 : d * 255 / v;
    int h = 0;
    if (s != 0) {
        int x = (v - b) * 360;
        int y = (v - g) * 360;
        int hh;
        if (r == v) {
            hh = x / d - y / d;
        } else {
            int z = (v - r) * 360 / d;
            hh = (g == v) ? z - x / d + 720 : y / d - z + 1440;
        }
        h = hh / 6;
        if (h < 0) h += 360;
    }
    return static_cast<uint32_t>(h) << 16 | static_cast<uint32_t>(s) << 8 |
           static_cast<uint32_t>(v);
}

Colour hsvToRgb(uint32_t hsv) {
    int h = static_cast<int>(hsv >> 16) & 0xFFFF;
    int s = (hsv >> 8) & 0xFF;
    int v = hsv & 0xFF;
    if (s == 0) return makeColour(v, v, v);
    h %= 360;
    int f = h % 60;
    int p = v * (255 - s) / 255;
    int t = v * (255 - s * (60 - f) / 60) / 255;
    int q = v * (255 - f * s / 60) / 255;
    switch (h / 60) {
        case 0:
            return makeColour(v, t, p);
        case 1:
            return makeColour(q, v, p);
        case 2:
            return makeColour(p, v, t);
        case 3:
            return makeColour(p, q, v);
        case 4:
            return makeColour(t, p, v);
        default:
            return makeColour(v, p, q);
    }
}

Colour shadeColor(Colour colour, int percent) {
    uint32_t hsv = rgbToHsv(colour);
    int h = static_cast<int>(hsv >> 16);
    int s = (hsv >> 8) & 0xFF;
    int v = percent * static_cast<int>(hsv & 0xFF) / 100;
    if (v >= 256) {
        s = std::max(0, s - (v - 255) / 4);
        v = 255;
    }
    if (v < 0) v = 0;
    return hsvToRgb(static_cast<uint32_t>(h) << 16 | static_cast<uint32_t>(s) << 8 |
                    static_cast<uint32_t>(v));
}

CLSTString colourText(Colour colour) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%02X%02X%02X", redOf(colour), greenOf(colour),
                  blueOf(colour));
    return CLSTString(buf);
}
