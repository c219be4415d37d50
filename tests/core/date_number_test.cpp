// DateNumber: both stored forms, the DD.MM.YY display and day arithmetic.
#include "base/date_number.h"

#include <gtest/gtest.h>

#include <climits>

namespace kvx {
namespace {

TEST(DateNumber, EncodeRows) {
    struct Row {
        CalendarDate date;
        DateNumber number;
    };
    const Row rows[] = {
        {{2016, 10, 30}, 1161030}, {{1900, 1, 1}, 101},        {{1999, 12, 31}, 991231},
        {{2000, 1, 1}, 1000101},   {{1899, 12, 31}, 18991231}, {{0, 0, 0}, 0},
    };
    for (const auto& row : rows) EXPECT_EQ(encodeDate(row.date), row.number) << row.number;
}

TEST(DateNumber, DecodeRows) {
    struct Row {
        DateNumber number;
        CalendarDate date;
    };
    const Row rows[] = {
        {1161030, {2016, 10, 30}}, {20161030, {2016, 10, 30}},
        {19000101, {1900, 1, 1}},  {18991231, {3799, 12, 31}},  // below 19000000 always counts from 1900
        {101, {1900, 1, 1}},       {0, {0, 0, 0}},
    };
    for (const auto& row : rows) EXPECT_EQ(decodeDate(row.number), row.date) << row.number;
}

TEST(DateNumber, DisplayForm) {
    struct Row {
        DateNumber number;
        const char* text;
    };
    const Row rows[] = {
        {1161030, "30.10.16"}, {20161030, "30.10.16"}, {991231, "31.12.99"}, {1000101, "01.01.00"},
        {101, "01.01.00"},     {0, "00.00.00"},        {-5, "05.00.00"},     {123456789, "78.56.34"},
    };
    for (const auto& row : rows) EXPECT_EQ(formatDateNumber(row.number), row.text) << row.number;
    EXPECT_EQ(formatDateNumber(INT_MIN).size(), 8u);
    EXPECT_EQ(formatDateNumber(INT_MAX).size(), 8u);
}

TEST(DateNumber, Validity) {
    struct Row {
        DateNumber number;
        bool valid;
    };
    const Row rows[] = {
        {1161030, true},  {1160229, true},   {1170229, false}, {1000229, true},  {229, false},
        {20000229, true}, {21000229, false}, {1161131, false}, {1161300, false}, {1161200, false},
        {1160001, false}, {0, false},        {-1, false},      {1161231, true},
    };
    for (const auto& row : rows) EXPECT_EQ(isValidDate(row.number), row.valid) << row.number;
}

TEST(DateNumber, DaysBetween) {
    struct Row {
        DateNumber a;
        DateNumber b;
        int days;
    };
    const Row rows[] = {
        {1161030, 1161031, 1},   {1161231, 1170101, 1}, {1160228, 1160301, 2},  {1170228, 1170301, 1},
        {1000101, 1010101, 366}, {101, 1000101, 36524}, {1170101, 1161231, -1}, {20161030, 1161101, 2},
    };
    for (const auto& row : rows) EXPECT_EQ(daysBetween(row.a, row.b), row.days) << row.a << " " << row.b;
}

TEST(DateNumber, AddDays) {
    struct Row {
        DateNumber date;
        int days;
        DateNumber expected;
    };
    const Row rows[] = {
        {1161231, 1, 1170101},  {1170101, -1, 1161231}, {1160228, 1, 1160229},   {1170228, 1, 1170301},
        {20161030, 2, 1161101}, {1161030, 0, 1161030},  {1161030, 365, 1171030}, {0, 5, 0},
    };
    for (const auto& row : rows) EXPECT_EQ(addDays(row.date, row.days), row.expected) << row.date;
}

}  // namespace
}  // namespace kvx
