// GlobalSetup: tells the host our version word and flags, the same values the
// property list carries. The checks below keep the literals the resource
// compiler needs in step with the values they stand for.
#include "handlers.h"
#include "identity.h"

namespace {

constexpr A_u_long PackVersion(A_u_long major, A_u_long minor, A_u_long bug, A_u_long stage, A_u_long build)
{
    return ((major & 0x7) << 19) | ((major >> 3) << 26) | ((minor & 0xF) << 15) | ((bug & 0xF) << 11) |
           ((stage & 0x3) << 9) | (build & 0x1FF);
}

static_assert(PackVersion(TALVENOR_MAJOR_VERSION, TALVENOR_MINOR_VERSION, TALVENOR_BUG_VERSION, TALVENOR_STAGE,
                          TALVENOR_BUILD_VERSION) == TALVENOR_VERSION_WORD,
              "version word must pack the version parts");
static_assert(TALVENOR_OUT_FLAGS == (PF_OutFlag_USE_OUTPUT_EXTENT | PF_OutFlag_PIX_INDEPENDENT), "out flags");
static_assert(TALVENOR_OUT_FLAGS2 == PF_OutFlag2_SUPPORTS_QUERY_DYNAMIC_FLAGS, "out flags 2");
static_assert(TALVENOR_STAGE == PF_Stage_DEVELOP, "stage");
static_assert(TALVENOR_NAME_LENGTH_BYTE[0] == sizeof(TALVENOR_NAME) - 1, "name length byte");
static_assert(TALVENOR_CATEGORY_LENGTH_BYTE[0] == sizeof(TALVENOR_CATEGORY) - 1, "category length byte");
static_assert(TALVENOR_MATCH_NAME_LENGTH_BYTE[0] == sizeof(TALVENOR_MATCH_NAME) - 1, "match name length byte");

}  // namespace

PF_Err GlobalSetup(PF_InData* /*in_data*/, PF_OutData* out_data, PF_ParamDef* /*params*/[], PF_LayerDef* /*output*/)
{
    if (!out_data) return PF_Err_BAD_CALLBACK_PARAM;
    out_data->my_version = TALVENOR_VERSION_WORD;
    out_data->out_flags |= TALVENOR_OUT_FLAGS;
    out_data->out_flags2 |= TALVENOR_OUT_FLAGS2;
    return PF_Err_NONE;
}
