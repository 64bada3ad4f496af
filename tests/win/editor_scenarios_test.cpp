// The editor's wiring, scenario by scenario: which rule runs, the box's owner,
// where the focus goes, which screen shows, whether the document counts as
// changed. The rules themselves are tested natively.
#include <gtest/gtest.h>

#include "scenario.h"

namespace {

class EditorScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(EditorScenario, Runs) {
    RunScenario(GetParam());
}

std::string TestName(const ::testing::TestParamInfo<Scenario> &info) {
    std::string name =
        info.param.file.substr(0, info.param.file.find('.')) + "_" + std::to_string(info.index);
    for (char &c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, EditorScenario, ::testing::ValuesIn(LoadScenarios(KCG_SCENARIO_DIR)),
                         TestName);

} // namespace
