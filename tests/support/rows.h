// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QTest>

// One data row a line: the row's name, then its columns in order.
template<class... Columns>
void row(const char *name, const Columns &...columns)
{
    (QTest::newRow(name) << ... << columns);
}

// Texts as a check writes them on one line: "-" for an empty one.
inline QString dashed(const QStringList &texts)
{
    QStringList out;
    for (const QString &text : texts)
        out << (text.isEmpty() ? QStringLiteral("-") : text);
    return out.join(u' ');
}
