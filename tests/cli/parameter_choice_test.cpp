// Recording declared parameters and matching what a user types against them.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "host/parameter_choice.h"

namespace {

DeclaredParameter Popup(const char* names, A_short numChoices, A_short dephault)
{
    PF_ParamDef definition{};
    definition.param_type = PF_Param_POPUP;
    std::strcpy(definition.name, "Sort Style");
    definition.u.pd.num_choices = numChoices;
    definition.u.pd.dephault = dephault;
    definition.u.pd.u.namesptr = names;
    return RecordDeclaration(definition);
}

DeclaredParameter Slider(A_long validMin, A_long validMax)
{
    PF_ParamDef definition{};
    definition.param_type = PF_Param_SLIDER;
    std::strcpy(definition.name, "Level");
    definition.u.sd.valid_min = validMin;
    definition.u.sd.valid_max = validMax;
    return RecordDeclaration(definition);
}

std::string RejectionOf(const DeclaredParameter& parameter, const std::string& text)
{
    try {
        ParseParameterValue(parameter, text);
    } catch (const std::invalid_argument& error) {
        return error.what();
    }
    return "accepted";
}

TEST(DeclaredParameterTest, PopupEntriesAreCopiedAndSplitIntoTheDeclaredNumberOfChoices)
{
    char names[] = "Up|Down|Sideways";
    const DeclaredParameter more = Popup(names, 5, 1);
    std::strcpy(names, "Xx|Yy");
    EXPECT_EQ(more.choices, (std::vector<std::string>{"Up", "Down", "Sideways", "", ""}));
    EXPECT_EQ(Popup("Up|Down|Sideways", 2, 1).choices, (std::vector<std::string>{"Up", "Down"}));
    EXPECT_EQ(Popup(nullptr, 2, 1).choices, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(OptionName(more), "sort-style");
}

TEST(ParameterChoiceTest, PopupTakesNamesInAnyCaseAndNumbersInRange)
{
    const DeclaredParameter popup = Popup("Simple Sort|All pixels|XOR", 4, 1);
    EXPECT_EQ(ParseParameterValue(popup, "all PIXELS"), 2);
    EXPECT_EQ(ParseParameterValue(popup, "xor"), 3);
    EXPECT_EQ(ParseParameterValue(popup, "1"), 1);
    EXPECT_EQ(ParseParameterValue(popup, "4"), 4);
}

TEST(ParameterChoiceTest, PopupRefusesOtherTextListingTheChoices)
{
    const DeclaredParameter popup = Popup("Simple Sort|All pixels|XOR", 4, 1);
    for (const char* text : {"0", "5", "-1", "", "all", "allpixels", " 2", "2x", "1.0"}) {
        const std::string message = RejectionOf(popup, text);
        EXPECT_NE(message.find("--sort-style '" + std::string(text) + "'"), std::string::npos) << message;
        EXPECT_NE(message.find("1 Simple Sort, 2 All pixels, 3 XOR, 4"), std::string::npos) << message;
    }
}

TEST(ParameterChoiceTest, SliderTakesWholeNumbersWithinItsValidRange)
{
    const DeclaredParameter slider = Slider(-10, 255);
    EXPECT_EQ(ParseParameterValue(slider, "-10"), -10);
    EXPECT_EQ(ParseParameterValue(slider, "255"), 255);
    for (const char* text : {"256", "-11", "300", "ten", "4.5", "99999999999"}) {
        EXPECT_NE(RejectionOf(slider, text).find("choose -10 to 255"), std::string::npos) << text;
    }
}

}  // namespace
