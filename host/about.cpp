// About: the host's About box text, formatted by the host's own sprintf.
#include "handlers.h"
#include "identity.h"
#include "suite_cache.h"

PF_Err About(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* /*params*/[], PF_LayerDef* /*output*/)
{
    if (!in_data || !out_data) return PF_Err_BAD_CALLBACK_PARAM;
    SuiteCache suites(in_data->pica_basicP);
    const PF_ANSISuite1* ansi = suites.AnsiSuite();
    if (!ansi->sprintf) return PF_Err_BAD_CALLBACK_PARAM;
    ansi->sprintf(out_data->return_msg, "%s, v%d.%d.%d\r%s", TALVENOR_NAME, TALVENOR_MAJOR_VERSION,
                  TALVENOR_MINOR_VERSION, TALVENOR_BUG_VERSION, TALVENOR_DESCRIPTION);
    return PF_Err_NONE;
}
