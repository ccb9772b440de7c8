#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calculations.h"
#include "inputs.h"

namespace nimbaro {
namespace {

// An input's id makes its option and its keyword, so no two inputs may share one.
TEST(InputTable, NamesEveryInputOnce) {
    std::set<std::string> ids;
    std::set<std::string> keywords;
    for (const InputInfo& input : inputs()) {
        EXPECT_TRUE(ids.insert(std::string(input.id)).second) << input.id;
        EXPECT_TRUE(keywords.insert(identifierOf(input.id)).second) << input.id;
        EXPECT_FALSE(input.name.empty()) << input.id;
    }
}

// Every input a method reads has its row, with the unit the calculations take by default.
TEST(InputTable, HasARowWithAUnitForEveryInputAMethodReads) {
    for (const MethodInfo& method : methods()) {
        for (const Input input : method.inputs) {
            const InputInfo& row = inputInfo(input);
            EXPECT_EQ(row.input, input) << method.id;
            ASSERT_TRUE(row.unit.has_value()) << method.id << ": " << row.id;
            EXPECT_EQ(typedUnit(input, UnitChoice{}).unit().id, row.unit->unit().id) << row.id;
        }
    }
}

}  // namespace
}  // namespace nimbaro
