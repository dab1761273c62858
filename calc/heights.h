// SPDX-License-Identifier: GPL-3.0-or-later
// The window's outer heights in twips. The height is how the window shows
// and hides whole bands, so which one follows a press or a result is part of
// the calculation; the window only converts them to pixels.
#pragma once

namespace velluna {

inline constexpr int kHeightStripHover = 1050; // pointer over the input strip, re-centred
inline constexpr int kHeightStrip = 1065;      // input strip only
inline constexpr int kHeightMessage = 1335;    // input strip and the error row
inline constexpr int kHeightMilestoneStop = 2040;
inline constexpr int kHeightFutureStop = 2055;
inline constexpr int kHeightFull = 7950; // every result

} // namespace velluna
