#pragma once

// Calculations the tests enter through the model, as the windows enter them:
// the worked example's transformer, cable sections, a reactor, the checks' inputs.
#include "core/fault_calculation.h"
#include "model/calculation.h"
#include "model/calculation_steps.h"

namespace ampera::cases {

// The worked example's transformer, 400 kVA, 10/0,4 kV, Д/Y, fed by 10 kA.
inline void transformer(model::Calculation& c) {
    model::MainTexts& m = c.main;
    for (auto [field, value] : {std::pair{&m.st, "400"},
                                {&m.u, "10"},
                                {&m.uf, "400"},
                                {&m.pk, "5,5"},
                                {&m.uk, "4,5"},
                                {&m.i, "10"},
                                {&m.deltaY, "1"},
                                {&m.yy, "0"},
                                {&m.r0y, "0"},
                                {&m.x0y, "0"},
                                {&m.cableLine1, "1"},
                                {&m.threePhase, "1"}})
        c.set(*field, value);
}

// A cable entry as the cable panel writes it: the slot's four values and its description.
inline void cable(model::Calculation& c, int slot, const char* type, const char* length,
                  const model::LineValues& perMetre, const model::LineValues& values) {
    model::enterLine(c, slot, values,
                     {.description = type,
                      .length = std::string("длина ") + length + ",м",
                      .r1 = "пр.актив.сопрот " + perMetre.r1 + ",мОм/м",
                      .x1 = "пр.индук.сопрот " + perMetre.x1 + ",мОм/м",
                      .r0 = "об.актив.сопрот " + perMetre.r0 + ",мОм/м",
                      .x0 = "об.индук.сопрот " + perMetre.x0 + ",мОм/м"});
}

// The worked example with three cables, cable joints before the first and
// the breaker coils before the last; "Расчет" pressed.
inline void threeSections(model::Calculation& c) {
    transformer(c);
    cable(c, 1, "кабель с медными жилами в стальной оболочке*** 3x240", "50", {"0,089", "0,06", "0,62", "1,36"},
          {"4,45", "3", "31", "68"});
    cable(c, 2, "кабель с алюминиевыми жилами в алюминиевой оболочке 3x95", "120", {"0,405", "0,057", "1,06", "0,174"},
          {"48,6", "6,84", "127,2", "20,88"});
    cable(c, 3, "кабель с алюминиевыми жилами в алюминиевой оболочке 3x25", "30", {"1,54", "0,066", "2,5", "0,21"},
          {"46,2", "1,98", "75", "6,3"});
    model::ElementSummary joints;
    joints.cable = "соединение,шт 4 ,сечение,мм.кв 95 ,R,мОм = 0,027";
    model::enterElementGroup(c, 1, {"0,108", "0"}, joints);
    model::ElementSummary coils;
    coils.coils = "ко-во катушек,шт 2 ,номинал.ток,А 50 ,R,мОм = 7 ,X,мОм = 4,5";
    model::enterElementGroup(c, 3, {"14", "9"}, coils);
    model::applyFault(c, calculateFault(model::faultTexts(c.main)));
}

// A reactor of 100 mΩ and 25,132 mΩ entered with its data; "Расчет" pressed again.
inline void reactor(model::Calculation& c) {
    c.reactor = {.pp = "1000", .ip = "100", .l = "0,0001", .m = "0,00002", .f = "50", .r = "100", .x = "25,132"};
    model::enterReactor(c, true);
    model::applyFault(c, calculateFault(model::faultTexts(c.main)));
}

// The checks window's inputs: tоткл, θк, In, Icu, S, with the C breaker and
// aluminium cable with PVC insulation.
inline void checks(model::Calculation& c, const char* in, const char* icu, const char* s) {
    model::ChecksTexts& k = c.checks;
    for (auto [field, value] : {std::pair{&k.t, "0,1"},
                                {&k.theta, "160"},
                                {&k.device, "2"},
                                {&k.in, in},
                                {&k.icu, icu},
                                {&k.cable, "2"},
                                {&k.s, s}})
        c.set(*field, value);
}

}  // namespace ampera::cases
