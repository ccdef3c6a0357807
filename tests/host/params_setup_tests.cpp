// ParamsSetup as the host sends it: what each of the four declarations carries,
// field for field (the fields left alone included), and how a refused add_param
// or a missing callback ends it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fake_host.h"
#include "parameters.h"

namespace {

std::vector<std::string> copiedNames;

A_char* RecordingStrcpy(A_char* dst, const A_char* src)
{
    copiedNames.emplace_back(src);
    return std::strcpy(dst, src);
}

bool AllZero(const void* bytes, size_t count)
{
    const auto* first = static_cast<const unsigned char*>(bytes);
    return std::all_of(first, first + count, [](unsigned char byte) { return byte == 0; });
}

// Fields no declaration sets, and the union's bytes past the member in use.
void ExpectUnsetFieldsZero(const PF_ParamDef& def, size_t usedUnionBytes)
{
    EXPECT_EQ(def.ui_flags, 0);
    EXPECT_EQ(def.ui_width, 0);
    EXPECT_EQ(def.ui_height, 0);
    EXPECT_EQ(def.flags, 0);
    EXPECT_EQ(def.unused, 0);
    const auto* unionBytes = reinterpret_cast<const unsigned char*>(&def.u);
    EXPECT_TRUE(AllZero(unionBytes + usedUnionBytes, sizeof def.u - usedUnionBytes));
}

struct ExpectedPopup {
    A_long id;
    std::string name;
    A_short choices;
    A_short dephault;
    std::string entries;
};

void ExpectPopup(const FakeHost& host, size_t call, const ExpectedPopup& expected)
{
    SCOPED_TRACE(expected.name);
    const PF_ParamDef& def = host.addedParams.at(call);
    EXPECT_EQ(def.param_type, PF_Param_POPUP);
    EXPECT_EQ(def.name, expected.name);
    EXPECT_EQ(def.uu.id, expected.id);
    EXPECT_EQ(def.u.pd.num_choices, expected.choices);
    EXPECT_EQ(def.u.pd.dephault, expected.dephault);
    EXPECT_EQ(def.u.pd.value, expected.dephault);
    EXPECT_EQ(host.addedChoices.at(call), expected.entries);
    // The top value is declared but has no name of its own.
    EXPECT_EQ(std::count(expected.entries.begin(), expected.entries.end(), '|') + 2, expected.choices);
    ExpectUnsetFieldsZero(def, sizeof(PF_PopupDef));
}

void ExpectThreshold(const PF_ParamDef& def)
{
    EXPECT_EQ(def.param_type, PF_Param_SLIDER);
    EXPECT_STREQ(def.name, "Threshold");
    EXPECT_EQ(def.uu.id, 4);
    EXPECT_EQ(def.u.sd.value, 45);
    EXPECT_EQ(def.u.sd.dephault, 45);
    EXPECT_EQ(def.u.sd.valid_min, 0);
    EXPECT_EQ(def.u.sd.valid_max, 255);
    EXPECT_EQ(def.u.sd.slider_min, 0);
    EXPECT_EQ(def.u.sd.slider_max, 255);
    // The popup declared before it shares these bytes: none of it may show through.
    EXPECT_TRUE(AllZero(def.u.sd.value_str, sizeof def.u.sd.value_str));
    EXPECT_TRUE(AllZero(def.u.sd.value_desc, sizeof def.u.sd.value_desc));
    ExpectUnsetFieldsZero(def, sizeof(PF_SliderDef));
}

TEST(ParamsSetup, DeclaresTheFourParametersInOrderThenCountsFive)
{
    FakeHost host;
    copiedNames.clear();
    host.utils.ansi.strcpy = RecordingStrcpy;

    ASSERT_EQ(host.Send(PF_Cmd_PARAMS_SETUP), PF_Err_NONE);

    EXPECT_EQ(host.out_data.num_params, 5);
    ASSERT_EQ(host.addedParams.size(), 4u);
    EXPECT_EQ(host.addParamIndices, std::vector<A_long>(4, -1));
    EXPECT_EQ(copiedNames, (std::vector<std::string>{"Mode", "Orientation", "Comparator", "Threshold"}));
    ExpectPopup(host, 0, {1, "Mode", 6, 3, "Simple Sort|Random|Highlights|Shadows|All pixels"});
    ExpectPopup(host, 1, {2, "Orientation", 4, 1, "Column|Row|Both"});
    ExpectPopup(host, 2, {3, "Comparator", 6, 1, "Average|Multiply|Min|Max|XOR"});
    ExpectThreshold(host.addedParams[3]);
    EXPECT_TRUE(host.acquired.empty());
}

TEST(ParamsSetup, RefusedAddParamEndsAtOnceWithItsCode)
{
    for (int failingCall = 0; failingCall < 4; ++failingCall) {
        SCOPED_TRACE(failingCall);
        FakeHost host;
        host.out_data.num_params = 77;
        host.addParamFailAt = failingCall;
        host.addParamError = PF_Err_OUT_OF_MEMORY;

        EXPECT_EQ(host.Send(PF_Cmd_PARAMS_SETUP), PF_Err_OUT_OF_MEMORY);
        EXPECT_EQ(host.addedParams.size(), static_cast<size_t>(failingCall + 1));
        EXPECT_EQ(host.out_data.num_params, 77);
    }
}

TEST(ParamsSetup, MissingCallbacksGive516)
{
    FakeHost noUtils;
    noUtils.in_data.utils = nullptr;
    FakeHost noStrcpy;
    noStrcpy.utils.ansi.strcpy = nullptr;
    FakeHost noAddParam;
    noAddParam.in_data.inter.add_param = nullptr;

    for (FakeHost* host : {&noUtils, &noStrcpy, &noAddParam}) {
        host->out_data.num_params = 77;
        EXPECT_EQ(host->Send(PF_Cmd_PARAMS_SETUP), PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_TRUE(host->addedParams.empty());
        EXPECT_EQ(host->out_data.num_params, 77);
    }
}

// Render reads the popup values through these names: each must pick the entry it is named after.
TEST(ParamsSetup, ChoiceValuesNameTheirEntries)
{
    const auto entryAt = [](const std::string& entries, PF_ParamValue value) {
        size_t begin = 0;
        for (PF_ParamValue k = 1; k < value; ++k) begin = entries.find('|', begin) + 1;
        return entries.substr(begin, entries.find('|', begin) - begin);
    };
    EXPECT_EQ(entryAt(ModeDeclaration.entries, ModeSimpleSort), "Simple Sort");
    EXPECT_EQ(entryAt(ModeDeclaration.entries, ModeRandom), "Random");
    EXPECT_EQ(entryAt(ModeDeclaration.entries, ModeHighlights), "Highlights");
    EXPECT_EQ(entryAt(ModeDeclaration.entries, ModeShadows), "Shadows");
    EXPECT_EQ(entryAt(ModeDeclaration.entries, ModeAllPixels), "All pixels");
    EXPECT_EQ(entryAt(OrientationDeclaration.entries, OrientationColumn), "Column");
    EXPECT_EQ(entryAt(OrientationDeclaration.entries, OrientationRow), "Row");
    EXPECT_EQ(entryAt(OrientationDeclaration.entries, OrientationBoth), "Both");
    EXPECT_EQ(entryAt(ComparatorDeclaration.entries, ComparatorAverage), "Average");
    EXPECT_EQ(entryAt(ComparatorDeclaration.entries, ComparatorMultiply), "Multiply");
    EXPECT_EQ(entryAt(ComparatorDeclaration.entries, ComparatorMin), "Min");
    EXPECT_EQ(entryAt(ComparatorDeclaration.entries, ComparatorMax), "Max");
    EXPECT_EQ(entryAt(ComparatorDeclaration.entries, ComparatorXor), "XOR");
}

}  // namespace
