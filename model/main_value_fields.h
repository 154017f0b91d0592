#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "model/calculation.h"

namespace ampera::model {

// The transformer's and the supply's inputs in the main window (its Frame9): the
// text, the field, its caption's label and the caption, and the key in the settings file.
struct TransformerField {
    std::string MainTexts::*text;
    const char *name, *labelName, *caption, *key;
};
inline constexpr TransformerField kTransformerFields[] = {
    {&MainTexts::st, "txtSt", "lblSt", "Sт, кВА", "St"}, {&MainTexts::u, "txtU", "lblU", "Uвн, кВ", "U"},
    {&MainTexts::uf, "txtUf", "lblUf", "Uнн, В", "Uf"},  {&MainTexts::pk, "txtPk", "lblPk", "Pк, кВт", "Pk"},
    {&MainTexts::uk, "txtUk", "lblUk", "Uк, %", "Uk"},   {&MainTexts::i, "txtI", "lblI", "Iкз, кА(ВН)", "I"},
};

// The main window's value fields of the fault loop (its Frame6): the line
// slots' values, the element groups' and the reactor's impedances. A row is
// one value of a slot: its text, the names of its field and of its caption's
// label in each slot, and the caption. The main part's fields
// (Calculation::fields) and the window's fields are made from these tables.
template <class Values, std::size_t Slots>
struct SlotField {
    std::string Values::*text;
    std::array<const char*, Slots> names;
    std::array<const char*, Slots> labelNames;  // nullptr for a field without a caption
    const char* caption;
};

// r1, x1, r0 and x0 of line slots 1 … 3.
inline constexpr SlotField<LineValues, 3> kLineValueFields[] = {
    {&LineValues::r1, {"txtR11", "txtR12", "txtR13"}, {"lblR11", "lblR12", "lblR13"}, "r1, Ом"},
    {&LineValues::x1, {"txtX11", "txtX12", "txtX13"}, {"lblX11", "lblX12", "lblX13"}, "x1, Ом"},
    {&LineValues::r0, {"txtR01", "txtR02", "txtR03"}, {"lblR01", "lblR02", "lblR03"}, "r0, Ом"},
    {&LineValues::x0, {"txtX01", "txtX02", "txtX03"}, {"lblX01", "lblX02", "lblX03"}, "х0, Ом"},
};

// R and X of element groups 1 … 3; groups 2 and 3 have no captions.
inline constexpr SlotField<Impedance, 3> kElementValueFields[] = {
    {&Impedance::r, {"txtRd", "txtRd1", "txtRd2"}, {"lblRd", nullptr, nullptr}, "Rk, Ом"},
    {&Impedance::x, {"txtXd", "txtXd1", "txtXd2"}, {"lblXd", nullptr, nullptr}, "Xk, Ом"},
};

// R and X of the reactor.
inline constexpr SlotField<Impedance, 1> kReactorValueFields[] = {
    {&Impedance::r, {"txtRr"}, {"lblRr"}, "Rr, Ом"},
    {&Impedance::x, {"txtXr"}, {"lblXr"}, "Xr, Ом"},
};

}  // namespace ampera::model
