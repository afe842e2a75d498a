// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conduit_capacity.h"

#include "calc_fixture.h"

namespace ferrovolt {
namespace {

TEST(ConduitCapacity, WorkedExamples) {
    const Tables& t = filledTables();
    EXPECT_EQ(resultOf(CalcConduitCapacity(t, false, "100", true, "25")),
              (ConduitResult{"7853.9816339", "3141.5926535", "490.87385212", "6"}));
    EXPECT_EQ(resultOf(CalcConduitCapacity(t, true, "4", true, "1")),
              (ConduitResult{"12.566370614", "5.0265482456", "0.7853981633", "6"}));
    const auto sixty = resultOf(CalcConduitCapacity(t, false, "100", false, "25"));
    EXPECT_EQ(sixty.UseableArea, "4712.3889803");
    EXPECT_EQ(sixty.CableQty, "9");
}

TEST(ConduitCapacity, FillChangesOnlyPermissibleAreaAndQuantity) {
    const Tables& t = filledTables();
    const auto forty = resultOf(CalcConduitCapacity(t, false, "50", true, "10"));
    const auto sixty = resultOf(CalcConduitCapacity(t, false, "50", false, "10"));
    EXPECT_EQ(forty.CondArea, sixty.CondArea);
    EXPECT_EQ(forty.CableArea, sixty.CableArea);
    EXPECT_NE(forty.UseableArea, sixty.UseableArea);
    EXPECT_NE(forty.CableQty, sixty.CableQty);
}

TEST(ConduitCapacity, InchSizesAndQuantities) {
    const Tables& t = filledTables();
    // "1" is one inch across; "1 1/4" is 1.25 inches.
    EXPECT_EQ(resultOf(CalcConduitCapacity(t, true, "1", true, "1")).CondArea, "0.7853981633");
    EXPECT_EQ(resultOf(CalcConduitCapacity(t, true, "1 1/4", true, "1")).CondArea, "1.2271846303");
    EXPECT_EQ(resultOf(CalcConduitCapacity(t, true, "1/2", true, ".1")).CableArea, "0.0078539816");
    // A cable wider than the permissible area allows fits zero times.
    EXPECT_EQ(resultOf(CalcConduitCapacity(t, false, "100", true, "99")).CableQty, "0");
    // 3141.59 / 490.87 = 6.4 cables: always rounded down.
    EXPECT_EQ(resultOf(CalcConduitCapacity(t, false, "100", true, "25")).CableQty, "6");
    // A tiny cable keeps its area in plain text after rounding to 15 decimals.
    const auto tiny = resultOf(CalcConduitCapacity(t, false, "16", true, "0.01"));
    EXPECT_EQ(tiny.CableArea, "0.0000785398");
}

TEST(ConduitCapacity, HugeCableAreaKeepsItsMagnitudeAndFitsNoTimes) {
    // The quantity reads the shown area back: cut to its first digits it would let 399 fit.
    EXPECT_EQ(
        resultOf(CalcConduitCapacity(filledTables(), false, "100", true, "9999999999999999999")),
        (ConduitResult{"7853.9816339", "3141.5926535", "7.853982E+37", "0"}));
}

TEST(ConduitCapacity, RefusalsSizeBeforeCable) {
    struct Case {
        bool inches;
        const char* size;
        const char* cable;
        const char* field;
    };
    const Case cases[] = {
        {true, "100", "1", "size"},
        {false, "1/2", "25", "size"},
        {false, "100 ", "25", "size"},
        {false, "", "", "size"},
        {false, "100", "", "cable"},
        {false, "100", "0", "cable"},
        {false, "100", "1.2.3", "cable"},
        {false, "100", "-5", "cable"},
        {false, "100", "0.00000001", "cable"},  // its area shows as 0
        {false, "100", "1e3", "cable"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            refusedField(CalcConduitCapacity(filledTables(), c.inches, c.size, true, c.cable)),
            c.field)
            << c.size << " / " << c.cable;
}

}  // namespace
}  // namespace ferrovolt
