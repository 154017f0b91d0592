#pragma once

#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "model/calculation.h"

namespace ampera::model {

// The reactor's data, a line a text of ReactorTexts, as two windows show it:
// the element dialog's reactor frame (a field with its caption) and the data
// summary (a label that shows the caption alone until an entry writes the
// value after it). The two spell their captions differently, and so does an
// entry; each spelling is the window's own.
struct ReactorLine {
    std::string ReactorTexts::*text;
    const char* fieldName;  // the dialog's field
    const char* labelName;  // the dialog's caption
    const char* caption;
    const char* summaryName;    // the summary's label
    const char* summaryStart;   // its text before an entry
    const char* summaryPrefix;  // what an entry writes before the value
};

// Ррном, Iрном, L, M and f, the nameplate data; then Rр and Xр, the impedance.
inline constexpr ReactorLine kReactorLines[] = {
    {.text = &ReactorTexts::pp,
     .fieldName = "Text15",
     .labelName = "Label20",
     .caption = "потери активной мощности в фазе реактора при Iном, Ррном, Вт",
     .summaryName = "Label48",
     .summaryStart = "потери активной мощности в фазе реактора при Iном, Ррном, Вт",
     .summaryPrefix = "потери активной мощности в фазе реактора при Iном,Ррном,Вт "},
    {.text = &ReactorTexts::ip,
     .fieldName = "Text16",
     .labelName = "Label21",
     .caption = "номинальный ток реактора, Iрном, А",
     .summaryName = "Label47",
     .summaryStart = "номинальный ток реактора, Iрном, А",
     .summaryPrefix = "номинальный ток реактора, Iрном, А "},
    {.text = &ReactorTexts::l,
     .fieldName = "Text17",
     .labelName = "Label22",
     .caption = "индуктивность катушки реактора, L, Гн",
     .summaryName = "Label46",
     .summaryStart = "индуктивность катушки реактора, L, Гн",
     .summaryPrefix = "индуктивность катушки реактора, L, Гн "},
    {.text = &ReactorTexts::m,
     .fieldName = "Text18",
     .labelName = "Label23",
     .caption = "взаимная индукция между фазами реактора, М, Гн",
     .summaryName = "Label45",
     .summaryStart = "взаимная индукциямежду фазами реактора, М, Гн",
     .summaryPrefix = "взаимная индукциямежду фазами реактора, М, Гн "},
    {.text = &ReactorTexts::f,
     .fieldName = "Text19",
     .labelName = "Label24",
     .caption = "частота напряжения сети, f, Гц",
     .summaryName = "Label43",
     .summaryStart = "частота напряжения сети, f, Гц",
     .summaryPrefix = "частота напряжения сети, f, Гц "},
    {.text = &ReactorTexts::r,
     .fieldName = "txtRr",
     .labelName = "Label25",
     .caption = "Rp активное сопротивление реактора, мОм",
     .summaryName = "Label54",
     .summaryStart = "Rp,мОм =",
     .summaryPrefix = "Rр,мОм = "},
    {.text = &ReactorTexts::x,
     .fieldName = "txtXr",
     .labelName = "Label26",
     .caption = "Xp индуктивное сопротивление реактора, мОм",
     .summaryName = "Label56",
     .summaryStart = "Хр,мОм =",
     .summaryPrefix = "Хр,мОм = "},
};
static_assert(std::size(kReactorLines) == std::tuple_size_v<decltype(SummaryTexts::reactor)>);

// The nameplate data and the impedance apart, for the dialog's two frames.
inline constexpr std::span<const ReactorLine> kReactorData = std::span(kReactorLines).first<5>();
inline constexpr std::span<const ReactorLine> kReactorImpedance = std::span(kReactorLines).subspan<5>();

// The reactor part's texts under their fields' names (Calculation::fields).
std::vector<Field> reactorFields(ReactorTexts& r);

}  // namespace ampera::model
