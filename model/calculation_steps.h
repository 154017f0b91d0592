#pragma once

#include <string>

#include "core/fault_calculation.h"
#include "model/calculation.h"

namespace ampera::model {

// What the commands of the windows do to the calculation, apart from what
// the windows show and hide.

// The fields the fault calculation reads, as they stand, in the mode of the
// main window's options.
FaultTexts faultTexts(const MainTexts& main);

// The main window's own rules, which its change reactions run.

// Д/Y: no zero-sequence additions of a Y/Y transformer.
void clearYyAdditions(Calculation& c);
// Y/Y: the zero-sequence additions for the transformer's Sт; they stay as
// they are while Sт is empty or no number (the user is still typing).
void lookUpYyAdditions(Calculation& c);
// Sт changed: the additions of a Y/Y transformer follow it.
void followTransformerPower(Calculation& c);
// The supply current changed: an empty one becomes 0.
void fillSupplyCurrent(Calculation& c);
// The current shown changed: the summary's line of the current follows it.
void summarizeCurrent(Calculation& c);
// The word of a kind of line, "кабель" or "ВЛ": line 1's description until a line is entered.
const char* lineKindWord(Line1Kind kind);
// The kind of line 1 chosen: line 1's description in the summary becomes its word.
void describeLine1Kind(Calculation& c, Line1Kind kind);

// "Расчет": the results into the main window; the current shown is the one calculated.
void applyFault(Calculation& c, const FaultResult& r);

// The line slot buttons and the element group buttons choose the current slot.
void chooseSlot(Calculation& c, int slot);

// What was entered into line slot 1 … 3, into the slot's description in the
// data summary; its heading stays.
void describeLine(Calculation& c, int slot, const LineSummary& description);

// A line entry: the four values into slot 1 … 3 and what was entered into
// the slot's description.
void enterLine(Calculation& c, int slot, const LineValues& values, const LineSummary& description);

// The four values of a line entry into slot 1 … 3, its description left as it is.
void enterLineValues(Calculation& c, int slot, const LineValues& values);

// An element entry: the group's ΣR and ΣX into element group 1 … 3 and its
// description, headings included, replacing what the group held.
void enterElementGroup(Calculation& c, int group, const Impedance& totals, const ElementSummary& description);

// The reactor entry: the reactor's impedance into the main window and, for a
// reactor that is not zero, its data into the summary.
void enterReactor(Calculation& c, bool describe);

// The arc page's "ок": with "установить в главное окно" ticked, the current
// with the arc becomes the main window's current and Кс and Zк go into the
// summary; otherwise the summary's arc lines are cleared.
void confirmArc(Calculation& c);

// The current of the last calculation becomes the current the motor feed is
// added to; kept when the main window has no calculated current.
void takeCalculatedCurrent(Calculation& c);

// The motor page's "к.з с АД", after the feed was added (withMotor): the main
// window's current becomes the current with the motor feed when
// "установить в главное окно" is ticked, else the current without it.
void confirmMotor(Calculation& c, const std::string& withMotor);

// "Сброс": no current is shown and the entries of the secondary windows
// (elements and reactor, arc and motor, summary, checks) go back to their start.
void reset(Calculation& c);

}  // namespace ampera::model
