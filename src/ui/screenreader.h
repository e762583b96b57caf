// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

// What a screen reader gets beyond what the toolkit gives it: pictures as named images, lists
// named by their role whose choice is their text, the status line and its notices.

namespace ui {

// Once, before the first window shows.
void installScreenReaderSupport();

} // namespace ui
