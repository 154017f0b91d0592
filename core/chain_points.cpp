#include "core/chain_points.h"

#include "core/fixed4.h"

namespace ampera {

namespace {

// The points' captions and short names, K1 to K4.
const char* const kCaptions[kPointCount] = {"K1 шины 0,4 кВ ТП", "K2 РУ-0,4", "K3 СЩ", "K4 ЭП"};
const char* const kNames[kPointCount] = {"ТП", "РУ-0,4", "СЩ", "ЭП"};

// The items of the protected section's list, 1 to 4.
const char* const kItems[] = {"последний участок с линией", "линия 1: ТП — РУ-0,4", "линия 2: РУ-0,4 — СЩ",
                              "линия 3: СЩ — ЭП"};

bool valid(int point) { return point >= 1 && point <= kPointCount; }

// A line slot holds a line unless its four fields all read as a Fixed4 zero.
bool holdsLine(const std::string& r1, const std::string& x1, const std::string& r0, const std::string& x0) {
    for (const std::string* text : {&r1, &x1, &r0, &x0}) {
        const Checked<Fixed4> v = Fixed4::parse(*text);
        if (!v.ok() || v.value.raw() != 0) return true;
    }
    return false;
}

}  // namespace

std::string pointCaption(int point) { return valid(point) ? kCaptions[point - 1] : ""; }

std::string pointName(int point) { return valid(point) ? kNames[point - 1] : ""; }

std::string pointLabel(int point) {
    return valid(point) ? "K" + std::to_string(point) + " (" + pointName(point) + ")" : "";
}

SectionItem sectionItem(int number) {
    return number >= 1 && number <= 4 ? static_cast<SectionItem>(number) : kDefaultSectionItem;
}

std::string sectionItemText(SectionItem item) {
    const int number = static_cast<int>(item);
    return number >= 1 && number <= 4 ? kItems[number - 1] : "";
}

int protectedLine(SectionItem item, const FaultTexts& f) {
    switch (item) {
    case SectionItem::LoopEnd: return 0;
    case SectionItem::Line1: return 1;
    case SectionItem::Line2: return 2;
    case SectionItem::Line3: return 3;
    case SectionItem::LastLine: break;
    }
    if (holdsLine(f.r13, f.x13, f.r03, f.x03)) return 3;
    if (holdsLine(f.r12, f.x12, f.r02, f.x02)) return 2;
    return 1;
}

CheckPoints checkPoints(int line) {
    if (line < 1 || line > kSectionCount) return {kPointCount, kPointCount};
    return {line, line + 1};
}

std::string sectionLabel(int line) {
    if (line < 1 || line > kSectionCount) return "";
    return "аппарат в точке " + pointLabel(line) + ", конец линии " + pointLabel(line + 1);
}

}  // namespace ampera
