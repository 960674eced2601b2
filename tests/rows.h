// One row of a data-driven Qt test: Row("name", a, b, ...).
#pragma once

#include <QtTest>

template <typename... Values> void Row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}
