#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/calculation.h"

using namespace ampera::model;

// The parts' fields are made from the windows' tables: every control name of a part stands
// once, since a name twice would bind one control to two texts.
TEST(FieldTables, EveryControlNameOfAPartStandsOnce) {
    Calculation c;
    for (Part part : kParts) {
        std::set<std::string> names;
        for (const Field& f : c.fields(part))
            EXPECT_TRUE(names.insert(f.name).second) << partName(part) << '.' << f.name;
    }
}
