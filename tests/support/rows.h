#pragma once

#include <QTest>

// One data row a line: the row's name, then its columns in order.
template<class... Columns>
void row(const char *name, const Columns &...columns)
{
    (QTest::newRow(name) << ... << columns);
}
