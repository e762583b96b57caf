// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

namespace app {

// The application as the program runs it: names, one look on every desktop, its own default
// font, no end but the quit button, screen readers told what the toolkit does not tell them.
// Tests and benchmarks call it too, so they measure what users get.
void configureApplication();
// The windows' icon, where the desktop shows one: the splash, which has none, need not wait for
// it.
void setWindowIcons();

} // namespace app
