// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

namespace app {

// The program's screens, in the order of the table of screens.
enum class ScreenId {
    Splash,
    Menu,
    Chart,
    FourBandDecoder,
    FourBandEncoder,
    Calculator,
    FiveBandDecoder,
    FiveBandEncoder,
};

} // namespace app
