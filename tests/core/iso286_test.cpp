// Behaviour of the tolerance zone functions: the deviations at the range boundaries, every
// refusal and hint text, class-text parsing, the step commands and the shaft search.
// Expected deviations are the limit deviations of ISO 286 (hand-checked against the
// standard's fundamental deviation and standard tolerance tables).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/iso286.h"

namespace trb::core {
namespace {

struct Computed {
    real lower;
    real upper;
    std::string message;
};

Computed Deviations(std::string position, int grade, real nominal) {
    ToleranceSteps steps;
    ToleranceZone zone{123, 456};  // must be overwritten
    std::string message = ToleranceDeviations(steps, position, grade, nominal, zone);
    return {zone.lower, zone.upper, message};
}

// The deviations of a class text through ToleranceLimits; refused when abort was set.
struct Limits {
    real lower;
    real upper;
    bool refused;
};

Limits LimitsOf(std::string_view text, real nominal) {
    ToleranceSteps steps;
    bool abort = false;
    const ToleranceZone zone = ToleranceLimits(steps, text, nominal, abort);
    return {zone.lower, zone.upper, abort};
}

void ExpectZone(std::string position, int grade, real nominal, real lower, real upper) {
    const Computed c = Deviations(position, grade, nominal);
    SCOPED_TRACE(position + std::to_string(grade) + " at " + std::to_string(static_cast<double>(nominal)));
    EXPECT_EQ(c.message, "");
    EXPECT_NEAR(static_cast<double>(c.lower), static_cast<double>(lower), 1e-9);
    EXPECT_NEAR(static_cast<double>(c.upper), static_cast<double>(upper), 1e-9);
}

void ExpectRefused(std::string position, int grade, real nominal, const std::string& message) {
    const Computed c = Deviations(position, grade, nominal);
    SCOPED_TRACE(position + std::to_string(grade));
    EXPECT_EQ(c.message, message);
    EXPECT_EQ(c.lower, 0);
    EXPECT_EQ(c.upper, 0);
}

TEST(ToleranceDeviations, RangesIncludeTheirUpperLimitWithinAThousandthMillimetre) {
    ExpectZone("H", 7, 120, 0, 35);
    ExpectZone("H", 7, 120.0005L, 0, 35);
    ExpectZone("H", 7, 120.002L, 0, 40);
    ExpectZone("H", 7, 3, 0, 10);
    ExpectZone("H", 7, 3.001L, 0, 12);
    ExpectZone("H", 7, 500, 0, 63);
    ExpectZone("H", 7, 500.002L, 0, 70);
    ExpectZone("H", 7, 0, 0, 10);
    ExpectZone("H", 7, 3150, 0, 210);
    ExpectRefused("H", 7, 3150.001L, "Undefinierter Nennmassbereich");
    ExpectRefused("H", 7, 3151, "Undefinierter Nennmassbereich");
    ExpectRefused("H", 7, 1e30L, "Undefinierter Nennmassbereich");
    ExpectRefused("H", 7, std::nanl(""), "Undefinierter Nennmassbereich");
}

TEST(ToleranceDeviations, IntermediateRangesSplitTheMainRanges) {
    ExpectZone("r", 6, 65, 41, 60);  // 50-65 of ranges I
    ExpectZone("r", 6, 65.002L, 43, 62);
    ExpectZone("x", 7, 14, 40, 58);  // 10-14 of ranges II
    ExpectZone("x", 7, 14.002L, 45, 63);
    ExpectZone("s", 7, 14.002L, 28, 46);  // ranges I keep 10-18 whole
}

TEST(ToleranceDeviations, ShaftPositions) {
    ExpectZone("f", 7, 120, -71, -36);
    ExpectZone("js", 6, 50, -8, 8);
    ExpectZone("js", 7, 100, -17.5L, 17.5L);
    ExpectZone("is", 6, 50, -8, 8);
    ExpectZone("a", 11, 2, -330, -270);
    ExpectZone("h", 1, 2, -0.8L, 0);
    ExpectZone("j", 6, 50, -5, 11);
    ExpectZone("j", 8, 2, -6, 8);
    ExpectZone("k", 6, 50, 2, 18);
    ExpectZone("k", 3, 50, 0, 4);  // k takes its deviation only for grades 4..7
    ExpectZone("k", 4, 50, 2, 9);  // both ends of that range: IT4 = 7, IT7 = 25 at 30..50 mm
    ExpectZone("k", 7, 50, 2, 27);
    ExpectZone("k", 8, 50, 0, 39);
    ExpectZone("k", 6, 600, 0, 44);
    ExpectZone("t", 6, 24.002L, 41, 54);
    ExpectZone("u", 7, 3000, 3200, 3410);
    ExpectZone("d", 9, 3000, -1060, -520);
    ExpectZone("zc", 9, 450, 2400, 2555);
}

TEST(ToleranceDeviations, HolePositionsWithDelta) {
    ExpectZone("K", 7, 100, -25, 10);
    ExpectZone("K", 9, 100, -87, 0);  // no Δ above grade 8
    ExpectZone("K", 7, 2, -10, 0);
    ExpectZone("M", 8, 100, -48, 6);
    ExpectZone("M", 9, 100, -100, -13);
    ExpectZone("M", 6, 280, -41, -9);  // the standard's exception to the Δ rule
    ExpectZone("M", 6, 320, -46, -10);
    ExpectZone("N", 9, 100, -87, 0);
    ExpectZone("N", 9, 2, -29, -4);
    ExpectZone("N", 7, 2, -14, -4);
    ExpectZone("P", 7, 100, -59, -24);
    ExpectZone("P", 8, 100, -91, -37);  // Δ only up to grade 7
    ExpectZone("U", 7, 2, -28, -18);
    ExpectZone("ZA", 7, 5, -50, -38);
    ExpectZone("J", 7, 100, -13, 22);
    ExpectZone("JS", 8, 100, -27, 27);
    ExpectZone("IS", 8, 100, -27, 27);
    ExpectZone("E", 8, 100, 72, 126);
}

TEST(ToleranceDeviations, YAt320UsesTheRangeFrom315To355) {
    // y = 730 µm for 315-355 mm, IT8 = 89 µm.
    ExpectZone("Y", 8, 320, -819, -730);
    ExpectZone("Y", 7, 320, -766, -709);  // with Δ = 21
    ExpectZone("y", 8, 320, 730, 819);
}

TEST(ToleranceDeviations, HolesAbove500DropDeltaAndTakeEveryGrade) {
    ExpectZone("K", 7, 600, -70, 0);
    ExpectZone("K", 2, 600, -11, 0);
    ExpectZone("M", 7, 600, -96, -26);
    ExpectZone("N", 12, 600, -744, -44);
    ExpectZone("P", 7, 600, -148, -78);
    ExpectZone("R", 7, 600, -225, -155);
    ExpectZone("S", 6, 3000, -1535, -1400);
    ExpectZone("T", 7, 600, -520, -450);
    ExpectZone("U", 1, 2600, -2926, -2900);
    ExpectRefused("K", 2, 100, "Toleranzgrad 2 nicht definiert f\x81r Lage K");
    ExpectRefused("N", 12, 100, "Toleranzgrad 12 nicht definiert f\x81r Lage N");
    ExpectRefused("P", 19, 600, "Toleranzgrad 19 nicht definiert f\x81r Lage P");
}

TEST(ToleranceDeviations, RefusalsGiveTheirTextAndNoDeviations) {
    ExpectRefused("A", 7, 50, "Toleranzgrad 7 nicht definiert f\x81r Lage A");
    ExpectRefused("a", 12, 600, "d>500 nicht definiert f\x81r Lage a");
    ExpectRefused("A", 7, 600, "d>500 nicht definiert f\x81r Lage A");  // size before grade
    ExpectRefused("j", 4, 50, "Toleranzgrad 4 nicht definiert f\x81r Lage j");
    ExpectRefused("J", 7, 600, "d>500 nicht definiert f\x81r Lage J");
    ExpectRefused("za", 5, 50, "Toleranzgrad 5 nicht definiert f\x81r Lage za");
    ExpectRefused("h", 0, 50, "Toleranzgrad 0 nicht definiert f\x81r Lage h");
    ExpectRefused("h", 19, 50, "Toleranzgrad 19 nicht definiert f\x81r Lage h");
    ExpectRefused("q", 7, 50, "unbekannte Toleranzlage");
    ExpectRefused("  ", 7, 50, "unbekannte Toleranzlage");
    ExpectRefused("q", 7, 4000, "Undefinierter Nennmassbereich");  // the size is checked first
}

TEST(ToleranceDeviations, SizeLimitsOfSinglePositions) {
    ExpectRefused("t", 6, 20, "t ist nur im Bereich > 24 mm definiert");
    ExpectRefused("t", 6, 24, "t ist nur im Bereich > 24 mm definiert");
    ExpectRefused("T", 7, 20, "T ist nur im Bereich > 24 mm definiert");
    ExpectRefused("T", 2, 20, "T ist nur im Bereich > 24 mm definiert");  // before the grade
    ExpectRefused("v", 6, 10, "v ist nur im Bereich > 14 bis 500 mm definiert");
    ExpectRefused("v", 19, 10, "Toleranzgrad 19 nicht definiert f\x81r Lage v");  // grade first
    ExpectRefused("y", 6, 18, "y ist nur im Bereich > 18 bis 500 mm definiert");
    ExpectRefused("V", 7, 10, "V 7 ist nur im Bereich > 14 mm definiert");
    ExpectRefused("V", 2, 10, "V 2 ist nur im Bereich > 14 mm definiert");
    ExpectRefused("V", 7, 600, "d>500 nicht definiert f\x81r Lage V");
    ExpectRefused("Y", 8, 18, "Y 8 ist nur im Bereich > 18 mm definiert");
    ExpectRefused("cd", 7, 12, "cd ist nur im Bereich 1 bis 10 mm definiert");
    ExpectRefused("CD", 7, 12, "CD ist nur im Bereich 1 bis 10 mm definiert");
    ExpectRefused("CD", 5, 12, "Toleranzgrad 5 nicht definiert f\x81r Lage CD");
    ExpectRefused("EF", 7, 12, "EF 7 ist nur im Bereich 1 bis 10 mm definiert");
    ExpectRefused("fg", 7, 10.002L, "fg ist nur im Bereich 1 bis 10 mm definiert");
    ExpectZone("fg", 7, 10, -23, -8);
    ExpectZone("a", 12, 500, -2280, -1650);
}

TEST(ToleranceDeviations, HintsKeepTheDeviations) {
    const Computed c = Deviations("c", 7, 50);
    EXPECT_EQ(c.message, "c8..c12");
    EXPECT_EQ(c.upper, -130);
    EXPECT_EQ(c.lower, -155);
    EXPECT_EQ(Deviations("cd", 3, 5).message, "cd 5 .. cd 10");
    EXPECT_EQ(Deviations("ef", 11, 5).message, "ef 3 .. ef 10");
    EXPECT_EQ(Deviations("m", 10, 50).message, "m3..m9");
    EXPECT_EQ(Deviations("t", 4, 50).message, "t5..t9");
    EXPECT_EQ(Deviations("z", 5, 50).message, "z6..z11");
    EXPECT_EQ(Deviations("h", 18, 50).message, "");
}

TEST(ToleranceDeviations, TwoLetterPositionsAndFirstLetterReduction) {
    ExpectZone("cd", 7, 5, -58, -46);
    ExpectZone("fx", 7, 120, -71, -36);  // read as f
    ExpectZone("Hq", 7, 120, 0, 35);     // read as H
    ExpectZone("Cd", 9, 5, 70, 100);     // mixed case is not CD but C
    ExpectZone("zcx", 8, 5, 35, 53);     // longer text: first letter z
}

TEST(ToleranceDeviations, EmptyPositionLeavesTheZoneAlone) {
    ToleranceSteps steps;
    ToleranceZone zone{1, 2};
    std::string position;
    EXPECT_EQ(ToleranceDeviations(steps, position, 7, 50, zone), "");
    EXPECT_EQ(zone.lower, 1);
    EXPECT_EQ(zone.upper, 2);
}

TEST(ToleranceSteps, CommandsWalkThroughTheListsAndStopAtBothEnds) {
    ToleranceSteps steps;
    ToleranceZone zone;
    std::string position = "f";
    ToleranceDeviations(steps, position, 7, 50, zone);
    position = ">w";
    EXPECT_EQ(ToleranceDeviations(steps, position, 7, 5, zone), "");
    EXPECT_EQ(position, "fg");
    EXPECT_EQ(zone.upper, -6);

    position = "A";
    ToleranceDeviations(steps, position, 11, 50, zone);
    position = "<B";
    ToleranceDeviations(steps, position, 11, 50, zone);
    EXPECT_EQ(position, "A");
    EXPECT_EQ(steps.hole, 1);
    EXPECT_EQ(steps.shaft, 9);  // the hole call left the shaft list where it was

    position = "ZC";
    ToleranceDeviations(steps, position, 8, 50, zone);
    position = ">B";
    ToleranceDeviations(steps, position, 8, 50, zone);
    EXPECT_EQ(position, "ZC");
    EXPECT_EQ(steps.hole, 28);
}

TEST(ToleranceSteps, FreshIndicesStartAtTheFirstPosition) {
    for (const char* command : {">w", "<w"}) {
        ToleranceSteps steps;
        ToleranceZone zone;
        std::string position = command;
        ToleranceDeviations(steps, position, 9, 50, zone);
        EXPECT_EQ(position, "a") << command;
    }
}

TEST(ToleranceSteps, PlainPositionsSetTheIndexEvenWhenRefused) {
    ToleranceSteps steps;
    ToleranceZone zone;
    std::string position = "js";
    ToleranceDeviations(steps, position, 7, 4000, zone);
    EXPECT_EQ(steps.shaft, 13);
    position = "<w";
    EXPECT_EQ(ToleranceDeviations(steps, position, 7, 4000, zone), "Undefinierter Nennmassbereich");
    EXPECT_EQ(position, "j");
    EXPECT_EQ(steps.shaft, 12);
}

TEST(ToleranceSteps, BadListCharacterIsRefused) {
    ToleranceSteps steps;
    ToleranceZone zone{5, 6};
    for (const char* command : {"<x", ">b", "<"}) {
        std::string position = command;
        EXPECT_EQ(ToleranceDeviations(steps, position, 7, 50, zone), "unknown command character !");
        EXPECT_EQ(position, command);
        EXPECT_EQ(zone.lower, 0);
        EXPECT_EQ(zone.upper, 0);
    }
    EXPECT_EQ(steps.shaft, 0);
    EXPECT_EQ(steps.hole, 0);
}

TEST(ParseToleranceClass, WrittenForms) {
    struct Case {
        const char* text;
        const char* position;
        int grade;
    };
    const Case cases[] = {
        {"H7", "H", 7},
        {"H 7", "H", 7},
        {"js6", "js", 6},
        {"js 6", "js", 6},
        {"is6", "is", 6},
        {"cd10", "cd", 10},
        {"cd 10", "cd", 10},
        {"h11", "h", 11},
        {"H0", "H", 0},
        {"H", "  ", 0},
        {"7", "  ", 0},
        {"", "", 0},
        {"H7x", "H", 0},
        {"Hx7", "Hx", 7},
        {"H 7 ", "H", 7},
        {"H-7", "H-", 7},
        {"H 99999999999", "H", 0},
    };
    for (const Case& c : cases) {
        const ToleranceClass parsed = ParseToleranceClass(c.text);
        EXPECT_EQ(parsed.position, c.position) << '"' << c.text << '"';
        EXPECT_EQ(parsed.grade, c.grade) << '"' << c.text << '"';
    }
}

TEST(ToleranceLimits, ClassTexts) {
    const Limits h7 = LimitsOf("H7", 120);
    EXPECT_FALSE(h7.refused);
    EXPECT_EQ(h7.upper, 35);
    const Limits js = LimitsOf("js 6", 50);
    EXPECT_FALSE(js.refused);
    EXPECT_EQ(js.lower, -8);
    EXPECT_FALSE(LimitsOf("cd10", 5).refused);
    EXPECT_FALSE(LimitsOf("is6", 50).refused);
}

TEST(ToleranceLimits, InvalidClassesAndMessagesSetAbort) {
    for (const char* text : {"H0", "H", "7", "A7", "q7", "t6"}) {
        const Limits l = LimitsOf(text, 20);
        EXPECT_TRUE(l.refused) << text;
        EXPECT_EQ(l.lower, 0) << text;
        EXPECT_EQ(l.upper, 0) << text;
    }
    // A hint sets abort too, although the deviations are there.
    const Limits hinted = LimitsOf("c7", 50);
    EXPECT_TRUE(hinted.refused);
    EXPECT_EQ(hinted.upper, -130);
}

TEST(ToleranceLimits, EmptyTextIsNoClass) {
    for (const char* text : {"", " "}) {
        const Limits l = LimitsOf(text, 50);
        EXPECT_FALSE(l.refused);
        EXPECT_EQ(l.lower, 0);
        EXPECT_EQ(l.upper, 0);
    }
}

TEST(ToleranceLimits, SuccessDoesNotClearAnEarlierAbort) {
    ToleranceSteps steps;
    bool abort = true;
    ToleranceLimits(steps, "H7", 50, abort);
    EXPECT_TRUE(abort);
}

TEST(GradeOfClass, ReadsTheTrailingGrade) {
    EXPECT_EQ(GradeOfClass("H7"), 7);
    EXPECT_EQ(GradeOfClass(" f 6 "), 6);
    EXPECT_EQ(GradeOfClass("cd10"), 10);
    EXPECT_EQ(GradeOfClass("h11"), 11);
    EXPECT_EQ(GradeOfClass("js18"), 18);
    EXPECT_EQ(GradeOfClass("H"), 0);
    EXPECT_EQ(GradeOfClass(""), 0);
    EXPECT_EQ(GradeOfClass("Hx"), 0);
}

TEST(ShaftClassForClearance, FirstShaftWhoseMeanDiameterReachesTheTarget) {
    ToleranceSteps steps;
    RunStatus status;
    // Means at 100 mm, grade 6: d -131, e -83, f -47, g -23 µm.
    EXPECT_EQ(ShaftClassForClearance(steps, 6, 99.970L, 100, status), "g 6");
    EXPECT_EQ(status.MessageCount(), 0);
    EXPECT_EQ(steps.shaft, 10);
    EXPECT_EQ(ShaftClassForClearance(steps, 6, 99.869L, 100, status), "d 6");
}

TEST(ShaftClassForClearance, PositionsWithHintsAreSkipped) {
    ToleranceSteps steps;
    RunStatus status;
    // Grade 12 at 50 mm: d12 misses the target, e12 .. g12 only carry hints, h12 reaches it.
    EXPECT_EQ(ShaftClassForClearance(steps, 12, 49.8L, 50, status), "h 12");
    EXPECT_EQ(status.MessageCount(), 0);
}

TEST(ShaftClassForClearance, ReachingZcIsAnError) {
    ToleranceSteps steps;
    RunStatus status;
    // zc8 at 100 mm has a mean of +612 µm and reaches the target, but the search hit the end.
    EXPECT_EQ(ShaftClassForClearance(steps, 8, 100.5L, 100, status), "zc 8");
    ASSERT_EQ(status.MessageCount(), 1);
    EXPECT_EQ(status.Message(1), "Fehler : ISO Shaft !");

    RunStatus unreachable;
    EXPECT_EQ(ShaftClassForClearance(steps, 6, 110, 100, unreachable), "zc 6");
    EXPECT_EQ(unreachable.MessageCount(), 1);
}

}  // namespace
}  // namespace trb::core
