// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include <span>

namespace core {

// An item of a list as it reads, and what it stands for: a band colour's place in the colour
// table, or a row of its screen's own table.
struct ListItem
{
    const char *text;
    int data = 0;
};

using ListItems = std::span<const ListItem>;

} // namespace core
