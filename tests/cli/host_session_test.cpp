// HostSession against a fake effect that uses the host's callbacks the way an
// effect does: add_param with a reused record, the ANSI suite's sprintf for About,
// and progress during Render.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "host/host_session.h"
#include "host/pixel_world.h"

namespace {

// What the fake effect saw at its last render.
std::vector<PF_ParamDef> renderedParams;

PF_Err DeclareParameters(PF_InData* in_data)
{
    char names[32];
    std::strcpy(names, "One|Two");
    PF_ParamDef def{};
    def.param_type = PF_Param_POPUP;
    in_data->utils->ansi.strcpy(def.name, "Pick");
    def.u.pd.num_choices = 3;
    def.u.pd.dephault = 2;
    def.u.pd.u.namesptr = names;
    if (const PF_Err err = in_data->inter.add_param(in_data->effect_ref, -1, &def)) return err;
    std::strcpy(names, "Gone|Gone");  // the host must have taken its own copy
    def.param_type = PF_Param_SLIDER;
    in_data->utils->ansi.strcpy(def.name, "Amount");
    def.u.sd = PF_SliderDef{};
    def.u.sd.valid_max = 100;
    def.u.sd.dephault = 40;
    return in_data->inter.add_param(in_data->effect_ref, -1, &def);
}

PF_Err WriteAbout(PF_InData* in_data, PF_OutData* out_data)
{
    const void* suite = nullptr;
    if (in_data->pica_basicP->AcquireSuite("PF ANSI Suite", 1, &suite)) return PF_Err_BAD_CALLBACK_PARAM;
    static_cast<const PF_ANSISuite1*>(suite)->sprintf(out_data->return_msg, "%s\r%0300d", "Fake", 7);
    in_data->pica_basicP->ReleaseSuite("PF ANSI Suite", 1);
    return PF_Err_NONE;
}

PF_Err RenderWithProgress(PF_InData* in_data, PF_ParamDef* params[], PF_LayerDef* output)
{
    renderedParams.assign({*params[0], *params[1], *params[2]});
    for (A_long row = 2; row <= output->height; ++row) {
        if (const PF_Err err = in_data->inter.progress(in_data->effect_ref, row, output->height)) return err;
    }
    return PF_Err_NONE;
}

PF_Err FakeEffect(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
                  void*)
{
    switch (cmd) {
    case PF_Cmd_PARAMS_SETUP: return DeclareParameters(in_data);
    case PF_Cmd_ABOUT: return WriteAbout(in_data, out_data);
    case PF_Cmd_RENDER: return RenderWithProgress(in_data, params, output);
    default: return PF_Err_NONE;
    }
}

TEST(HostSessionTest, StartRecordsWhatTheEffectDeclared)
{
    HostSession session(FakeEffect);
    ASSERT_EQ(session.Start(), PF_Err_NONE);
    const std::vector<DeclaredParameter>& parameters = session.Parameters();
    ASSERT_EQ(parameters.size(), 2u);
    EXPECT_EQ(parameters[0].name, "Pick");
    EXPECT_EQ(parameters[0].choices, (std::vector<std::string>{"One", "Two", ""}));
    EXPECT_EQ(DefaultValue(parameters[0]), 2);
    EXPECT_EQ(parameters[1].name, "Amount");
    EXPECT_EQ(ValueRange(parameters[1]), std::make_pair(0, 100));
    EXPECT_EQ(DefaultValue(parameters[1]), 40);
}

TEST(HostSessionTest, AboutIsFormattedByTheAnsiSuiteWithinTheMessageField)
{
    HostSession session(FakeEffect);
    std::string text;
    ASSERT_EQ(session.About(text), PF_Err_NONE);
    EXPECT_EQ(text.size(), static_cast<size_t>(PF_MAX_EFFECT_MSG_LEN));
    EXPECT_EQ(text.substr(0, 8), "Fake\r000");
}

TEST(HostSessionTest, RenderPassesTheLayerAndTheChosenValuesAndReportsProgress)
{
    HostSession session(FakeEffect);
    ASSERT_EQ(session.Start(), PF_Err_NONE);
    PixelWorld input(5, 4, 32), output(5, 4, 64);
    std::vector<std::pair<A_long, A_long>> reports;
    const PF_Err err = session.Render(input.Layer(), {3, 77}, output.Layer(), [&](A_long done, A_long total) {
        reports.emplace_back(done, total);
        return PF_Err_NONE;
    });
    ASSERT_EQ(err, PF_Err_NONE);
    EXPECT_EQ(renderedParams[0].param_type, PF_Param_LAYER);
    EXPECT_EQ(renderedParams[0].u.ld.data, input.Layer().data);
    EXPECT_EQ(renderedParams[0].u.ld.rowbytes, 5 * 4 + 32);
    EXPECT_EQ(renderedParams[1].u.pd.value, 3);
    EXPECT_STREQ(renderedParams[1].u.pd.u.namesptr, "One|Two");
    EXPECT_EQ(renderedParams[2].u.sd.value, 77);
    EXPECT_EQ(reports, (std::vector<std::pair<A_long, A_long>>{{2, 4}, {3, 4}, {4, 4}}));
}

TEST(HostSessionTest, TheListenersAnswerStopsTheRender)
{
    HostSession session(FakeEffect);
    ASSERT_EQ(session.Start(), PF_Err_NONE);
    PixelWorld input(3, 6, 0), output(3, 6, 0);
    int reports = 0;
    const PF_Err err = session.Render(input.Layer(), {1, 0}, output.Layer(), [&](A_long, A_long) {
        return ++reports == 2 ? PF_Interrupt_CANCEL : PF_Err_NONE;
    });
    EXPECT_EQ(err, PF_Interrupt_CANCEL);
    EXPECT_EQ(reports, 2);
}

}  // namespace
