#pragma once

#include <array>

#include "core/chain_points.h"
#include "model/list_field.h"

namespace ampera::model {

// The captions and list items of the checks window, which its report block repeats.
inline constexpr const char* kChecksTitle = "ampera Проверка по токам КЗ";
inline constexpr std::array<const char*, 5> kDevices = {
    "автоматический выключатель, характеристика B",
    "автоматический выключатель, характеристика C",
    "автоматический выключатель, характеристика D",
    "автоматический выключатель, электромагнитный расцепитель",
    "плавкий предохранитель",
};
inline constexpr std::array<const char*, 4> kCables = {"медь, ПВХ", "алюминий, ПВХ", "медь, сшитый полиэтилен",
                                                       "алюминий, сшитый полиэтилен"};
inline constexpr int kDefaultDevice = 2, kDefaultCable = 2;  // item numbers
inline constexpr int kInstantaneousItem = 4;                 // the instantaneous release, the only one with Iуст
inline constexpr int kSectionItemCount = 4;                  // the protected section's items, core's sectionItemText
// The window's three lists.
inline constexpr ListField kDeviceList = {"cmbDevice", int(kDevices.size()), kDefaultDevice};
inline constexpr ListField kCableList = {"cmbCable", int(kCables.size()), kDefaultCable};
inline constexpr ListField kSectionList = {"cmbSection", kSectionItemCount, int(kDefaultSectionItem)};
inline constexpr const char* kDefaultTheta = "160";  // θк, °C, until the window gives one

// The inputs' captions: tоткл, θк, the device, In, Iуст, Icu, the cable, S, the protected section.
struct InputCaptions {
    const char *t, *theta, *device, *in, *iset, *icu, *cable, *s, *section;
};
inline constexpr InputCaptions kInputCaptions = {
    "время отключения КЗ, с", "температура жил в конце КЗ, °C",  "защитный аппарат",       "Iном аппарата, А",
    "уставка расцепителя, А", "отключающая способность Icu, кА", "жилы и изоляция кабеля", "сечение жилы, мм.кв",
    "защищаемый участок"};
// The results' captions, in the order of the window's rows.
inline constexpr std::array<const char*, 11> kResultCaptions = {
    "Iк(3) макс., кА",         "Iк(2), кА", "Iк(1) макс., кА", "Ta, мс",     "Kуд",        "iуд, кА",
    "коэффициент нагрева жил", "Кс дуги",   "Iк(1) мин., кА",  "Bк, кА^2·с", "Sмин, мм.кв"};

// Which point the results belong to: the device's values, then those of the end of its line.
inline constexpr const char* kAtDevice = "Iк(3), Iк(2), Ta, Kуд, iуд, Bк, Sмин";
inline constexpr const char* kAtEnd = "Iк(1) макс., Кс, Iк(1) мин.";

// The table of points: its frame, its copy button and its column heads.
inline constexpr const char* kPointsTitle = "токи КЗ по точкам";
inline constexpr const char* kCopyCaption = "копировать";
inline constexpr std::array<const char*, 7> kPointColumns = {"RΣ, мОм", "XΣ, мОм",         "Iк(3), кА",     "Iк(2), кА",
                                                             "iуд, кА", "Iк(1) макс., кА", "Iк(1) мин., кА"};
// The report's heading of the points and, for each column, the value's name and unit in a point's line.
inline constexpr const char* kPointsHeading = "ТОКИ КЗ ПО ТОЧКАМ";
struct PointValueCaption {
    const char *name, *unit;
};
inline constexpr std::array<PointValueCaption, 7> kPointValues = {{{"RΣ", "мОм"},
                                                                   {"XΣ", "мОм"},
                                                                   {"Iк(3)", "кА"},
                                                                   {"Iк(2)", "кА"},
                                                                   {"iуд", "кА"},
                                                                   {"Iк(1)", "кА"},
                                                                   {"Iк(1) мин.", "кА"}}};

}  // namespace ampera::model
