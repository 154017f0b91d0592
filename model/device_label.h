#pragma once

#include <string>

#include "core/fault_checks.h"

namespace ampera::model {

// A device as the diagrams, tables and charts name it: its short form, In and,
// for the release, Iуст: "C 63 А", "ЭМ 400 А, Iуст 3200 А", "ЭМ Iуст 1000 А",
// "gG 32 А". A blank text is left out.
std::string deviceLabel(ProtectiveDevice device, const std::string& in, const std::string& iset);

// A text with its unit after a blank; empty for a blank text.
std::string withUnit(const std::string& text, const char* unit);

}  // namespace ampera::model
