#pragma once

#include <string>

#include "core/fault_calculation.h"
#include "core/fault_loop.h"

namespace ampera {

// The caption of point Kk (1–4), "K1 шины 0,4 кВ ТП" … "K4 ЭП", and its
// short name, "ТП", "РУ-0,4", "СЩ", "ЭП"; empty for any other k.
std::string pointCaption(int point);
std::string pointName(int point);
// The point named with its place, "K2 (РУ-0,4)"; empty for any other k.
std::string pointLabel(int point);

// The protected section as numbered in its list (1–4). LoopEnd is no item of
// the list: every value at the end of the loop K4, as the checks judged
// before the points existed.
enum class SectionItem { LoopEnd = 0, LastLine = 1, Line1, Line2, Line3 };
constexpr SectionItem kDefaultSectionItem = SectionItem::LastLine;

// The item of a stored number; any number outside 1–4 is the default item.
SectionItem sectionItem(int number);

// The item's text in the list; empty for LoopEnd.
std::string sectionItemText(SectionItem item);

// The line n (1–3) whose device is checked. LastLine: the highest slot whose
// four fields r1n, x1n, r0n, x0n are not all zero read as Fixed4 (a field
// that is no number is not zero: the calculation then fails anyway), or 1 when
// no slot holds a line. LoopEnd: 0.
int protectedLine(SectionItem item, const FaultTexts& fault);

// The points a check uses: the device of line n stands at Kn and protects the
// line up to K(n+1); for line 0 both are K4. 0 is no point.
struct CheckPoints {
    int device = 0, end = 0;
    friend bool operator==(CheckPoints, CheckPoints) = default;
};
CheckPoints checkPoints(int line);

// "аппарат в точке K2 (РУ-0,4), конец линии K3 (СЩ)" for line 2, the like for
// lines 1 and 3; empty for any other n.
std::string sectionLabel(int line);

}  // namespace ampera
