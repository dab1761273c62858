// SPDX-License-Identifier: GPL-3.0-or-later
// The three dates a pregnancy can be counted from. Each later mode becomes a
// date of the last menstruation with a cycle of 28 days, and from there the
// calculation is that of the first mode.
#pragma once

#include <QString>
#include <array>

namespace velluna {

enum class Mode { LastPeriod, DueDate, Transfer };

inline constexpr std::array<Mode, 3> kModes{Mode::LastPeriod, Mode::DueDate, Mode::Transfer};

// The heading and the menu item of a mode: "Ultima Mestruazione", "Data
// Presunta Parto", "Transfer Embrione".
QString modeName(Mode mode);

// The tooltip of the heading, which switches the mode.
QString modeSwitchTip();

// The caption over the list the mode asks for at the second press: the
// cycle's length, or the embryo's age for a transfer.
QString secondListCaption(Mode mode);

} // namespace velluna
