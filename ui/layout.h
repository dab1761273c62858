// SPDX-License-Identifier: GPL-3.0-or-later
// The window's design: every control's place in twips (15 to a pixel at 96
// dots per inch), its colours as packed BGR values and the fonts, in one
// table. Everything else converts through px().
#pragma once

#include "calc/heights.h"

#include <QColor>
#include <QRect>
#include <cmath>

namespace velluna::layout {

inline constexpr int kTwipsPerPixel = 15;

inline int px(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// A control's place, under the name it is found by (its object name).
struct Geometry
{
    const char *name;
    int left, top, width, height;
    QRect rect() const { return {px(left), px(top), px(width), px(height)}; }
};

// Packed colour with blue in the high byte and red in the low byte.
inline QColor bgr(unsigned value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// The window. Heights are outer heights drawn for a title bar and frame of
// 465 twips and widths for 105 twips of side frame; the client area is the
// outer size less those, whatever frame the desktop draws.
inline constexpr int kFrameHeight = 465;
inline constexpr int kFrameWidth = 105;
inline constexpr int kWindowWidth = 3345;

using velluna::kHeightFull;
using velluna::kHeightFutureStop;
using velluna::kHeightMessage;
using velluna::kHeightMilestoneStop;
using velluna::kHeightStrip;
using velluna::kHeightStripHover;

// The blink: a phase of 0..199 steps of 5 ms, one tick per half cycle.
inline constexpr int kBlinkStep = 100;
inline constexpr int kBlinkIntervalMs = 5 * kBlinkStep;

// Children of the window: panels and other child windows.
inline constexpr Geometry imgG{"imgG", 120, 2760, 3015, 2895};
inline constexpr Geometry Info{"Info", 0, 2400, 3255, 5415};
inline constexpr Geometry Text1{"Text1", 3840, 0, 255, 285};
inline constexpr Geometry Command1{"Command1", 2040, 0, 735, 255};
inline constexpr Geometry Frame1{"Frame1", 0, 0, 3255, 600};

// Labels, shapes and images of the window.
inline constexpr Geometry Perce{"Perce", 840, 1845, 1815, 375};
inline constexpr Geometry mascheraS{"mascheraS", 0, 1800, 3255, 375};
inline constexpr Geometry Shape12{"Shape12", 0, 1800, 3255, 375};
inline constexpr Geometry statoper{"statoper", 0, 1800, 3255, 375};
inline constexpr Geometry Image1{"Image1", 1200, 2790, 855, 735};
inline constexpr Geometry note{"note", 120, 4335, 3015, 3375};
inline constexpr Geometry Trimestre{"Trimestre", 0, 4080, 3255, 255};
inline constexpr Geometry Shape8{"Shape8", 0, 4320, 3255, 3495};
inline constexpr Geometry Shape7{"Shape7", 0, 4080, 3255, 255};
inline constexpr Geometry Consigli{"Consigli", 0, 3870, 3255, 255};
inline constexpr Geometry Shape6{"Shape6", 0, 3840, 3255, 255};
inline constexpr Geometry Label5{"Label5", 0, 3600, 3255, 255};
inline constexpr Geometry Shape3{"Shape3", 0, 3600, 3255, 255};
inline constexpr Geometry Posiz{"Posiz", 120, 2430, 3015, 375};
inline constexpr Geometry Label7{"Label7", 0, 2175, 3255, 255};
inline constexpr Geometry Shape4{"Shape4", 0, 2160, 3255, 255};
inline constexpr Geometry Settimana{"Settimana", 0, 1560, 3255, 255};
inline constexpr Geometry Shape1{"Shape1", 0, 1560, 3255, 255};
inline constexpr Geometry T1b{"T1b", 0, 600, 3255, 255};
inline constexpr Geometry T1{"T1", 0, 600, 3255, 255};
inline constexpr Geometry errore{"errore", 0, 600, 3255, 255};
inline constexpr Geometry Merror{"Merror", 0, 600, 3255, 255};
inline constexpr Geometry Label3{"Label3", 15, 1350, 3240, 195};
inline constexpr Geometry Label2{"Label2", 10, 1110, 3220, 195};
inline constexpr Geometry Label1{"Label1", 0, 870, 3240, 195};
inline constexpr Geometry Shape2{"Shape2", 0, 840, 3255, 735};
inline constexpr Geometry Shape5{"Shape5", 0, 2400, 3255, 1215};

// Inside the input strip.
inline constexpr Geometry mestra{"mestra", 0, 0, 2055, 615};
inline constexpr Geometry Ann{"Ann", 1320, 240, 735, 315};
inline constexpr Geometry Mes{"Mes", 720, 240, 615, 315};
inline constexpr Geometry Giorn{"Giorn", 120, 240, 615, 315};
inline constexpr Geometry OK{"OK", 2160, 270, 975, 255};
inline constexpr Geometry Label4{"Label4", 120, 0, 1935, 255};
inline constexpr Geometry Shape9{"Shape9", 2160, 260, 975, 255};
inline constexpr Geometry Shape10{"Shape10", 2180, 275, 975, 255};

// Inside the panel of the cycle, or of the embryo's age in its place.
inline constexpr Geometry Ciclo{"Ciclo", 840, 240, 615, 315};
inline constexpr Geometry Embrione{"Embrione", 840, 240, 615, 315};
inline constexpr Geometry Label6{"Label6", 0, 0, 2055, 255};

// Inside the enlarged picture.
inline constexpr Geometry Shape11{"Shape11", 10, 10, 3005, 2875};
inline constexpr Geometry Image2{"Image2", 0, 0, 3015, 2895};

// Inside the month detail page.
inline constexpr Geometry Image3{"Image3", 120, 3735, 3015, 1680};
inline constexpr Geometry Image3Small{"Image3", 720, 4215, 1695, 1200}; // the first month's picture
inline constexpr Geometry TESTO{"TESTO", 120, 120, 3015, 5295};

// Colours, as packed BGR.
inline constexpr unsigned kWhite = 0xFFFFFF;
inline constexpr unsigned kBlack = 0x000000;
inline constexpr unsigned kYellowText = 0x00FFFF;
inline constexpr unsigned kPaleLavender = 0xFFC0C0;
inline constexpr unsigned kLightPink = 0xC0C0FF;
inline constexpr unsigned kSalmon = 0x8080FF;
inline constexpr unsigned kLightGreen = 0xC0FFC0;
inline constexpr unsigned kGreen = 0x00FF00;
inline constexpr unsigned kLightBlue = 0xFF8080;
inline constexpr unsigned kLightOrange = 0x80C0FF;
inline constexpr unsigned kCyan = 0xFFFF00;
inline constexpr unsigned kRed = 0x0000FF;
inline constexpr unsigned kLightCyan = 0xFFFF80;
inline constexpr unsigned kPaleCyan = 0xFFFFC0;
inline constexpr unsigned kLightYellow = 0x80FFFF;
inline constexpr unsigned kLinkBlue = 0xFF0000; // 16711680

// Fonts in pixels, so the layout does not follow the screen's DPI:
// 8.25 pt, 9.75 pt and 12 pt at 96 dots per inch.
inline constexpr int kFontSmall = 11;
inline constexpr int kFontMedium = 13;
inline constexpr int kFontLarge = 16;

} // namespace velluna::layout
