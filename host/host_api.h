// Our own declarations of the host's effect API: the types, records, callback
// tables, command codes, flags and error codes that Talvenor uses. They must be
// binary compatible with the host on 64-bit Windows, so every record is declared
// whole (reserved slots included) and its size and the offsets we rely on are
// pinned by static_assert below. Fixed-width integers give Linux the same layout.
#pragma once

#include <cstddef>
#include <cstdint>

typedef int32_t A_long;
typedef uint32_t A_u_long;
typedef int16_t A_short;
typedef uint16_t A_u_short;
typedef char A_char;
typedef unsigned char A_u_char;
typedef char PF_Boolean;

typedef A_long PF_Err;
typedef A_long PF_Cmd;
typedef A_long PF_ParamType;
typedef A_long PF_ParamFlags;
typedef A_long PF_ParamUIFlags;
typedef A_long PF_OutFlags;
typedef A_long PF_OutFlags2;
typedef A_long PF_InFlags;
typedef A_long PF_Quality;
typedef A_long PF_Field;
typedef A_long PF_WorldFlags;
typedef A_long PF_Stage;
typedef A_long PF_ParamValue;
typedef A_long PF_Fixed;
typedef A_u_long PF_UFixed;
typedef void** PF_Handle;
typedef int32_t SPErr;

struct PF_ProgressData;  // opaque to the effect: only ever passed back to the host
typedef PF_ProgressData* PF_ProgPtr;

enum : PF_Cmd {
    PF_Cmd_ABOUT = 0,
    PF_Cmd_GLOBAL_SETUP = 1,
    PF_Cmd_GLOBAL_SETDOWN = 3,
    PF_Cmd_PARAMS_SETUP = 4,
    PF_Cmd_SEQUENCE_SETUP = 5,
    PF_Cmd_FRAME_SETUP = 10,
    PF_Cmd_RENDER = 11,
    PF_Cmd_FRAME_SETDOWN = 12,
    PF_Cmd_USER_CHANGED_PARAM = 13,
    PF_Cmd_QUERY_DYNAMIC_FLAGS = 18
};

enum : PF_Err {
    PF_Err_NONE = 0,
    PF_Err_OUT_OF_MEMORY = 4,
    PF_Err_INTERNAL_STRUCT_DAMAGED = 512,
    PF_Err_INVALID_INDEX = 513,
    PF_Err_UNRECOGNIZED_PARAM_TYPE = 514,
    PF_Err_INVALID_CALLBACK = 515,
    PF_Err_BAD_CALLBACK_PARAM = 516,
    PF_Interrupt_CANCEL = 517,
    PF_Err_CANNOT_PARSE_KEYFRAME_TEXT = 518
};

enum : PF_ParamType {
    PF_Param_LAYER = 0,
    PF_Param_SLIDER = 1,
    PF_Param_FIX_SLIDER = 2,
    PF_Param_ANGLE = 3,
    PF_Param_CHECKBOX = 4,
    PF_Param_COLOR = 5,
    PF_Param_POINT = 6,
    PF_Param_POPUP = 7
};

enum : PF_OutFlags {
    PF_OutFlag_USE_OUTPUT_EXTENT = 0x40,
    PF_OutFlag_PIX_INDEPENDENT = 0x400,
    PF_OutFlag_DEEP_COLOR_AWARE = 0x02000000
};

enum : PF_OutFlags2 {
    PF_OutFlag2_SUPPORTS_QUERY_DYNAMIC_FLAGS = 0x1,
    PF_OutFlag2_SUPPORTS_THREADED_RENDERING = 0x08000000
};

enum : PF_Stage { PF_Stage_DEVELOP = 0, PF_Stage_ALPHA = 1, PF_Stage_BETA = 2, PF_Stage_RELEASE = 3 };

enum {
    PF_MAX_EFFECT_NAME_LEN = 31,
    PF_MAX_EFFECT_PARAM_NAME_LEN = 31,
    PF_MAX_PARAM_DESCRIPTION_LEN = 31,
    PF_MAX_EFFECT_MSG_LEN = 255
};

struct PF_SpecVersion {
    A_short major;
    A_short minor;
};

struct PF_Point {
    A_long h, v;
};

struct PF_Rect {
    A_long left, top, right, bottom;
};

struct PF_RationalScale {
    A_long num;
    A_u_long den;
};

struct PF_Pixel {
    A_u_char alpha, red, green, blue;
};
typedef PF_Pixel* PF_PixelPtr;

struct PF_SoundFormatInfo {
    double rateF;
    A_short num_channels;
    A_short format;
    A_short sample_size;
};

struct PF_SoundWorld {
    PF_SoundFormatInfo fi;
    A_long num_samples;
    void* dataP;
};

struct PF_LayerDef {
    void* reserved0;
    void* reserved1;
    PF_WorldFlags world_flags;
    PF_PixelPtr data;
    A_long rowbytes;
    A_long width;
    A_long height;
    PF_Rect extent_hint;
    void* platform_ref;
    A_long reserved_long1;
    void* reserved_long4;
    PF_RationalScale pix_aspect_ratio;
    void* reserved_long2;
    A_long origin_x;
    A_long origin_y;
    A_long reserved_long3;
    A_long dephault;
};
typedef PF_LayerDef PF_EffectWorld;

struct PF_SliderDef {
    PF_ParamValue value;
    A_char value_str[PF_MAX_PARAM_DESCRIPTION_LEN + 1];
    A_char value_desc[PF_MAX_PARAM_DESCRIPTION_LEN + 1];
    PF_ParamValue valid_min;
    PF_ParamValue valid_max;
    PF_ParamValue slider_min;
    PF_ParamValue slider_max;
    PF_ParamValue dephault;
};

struct PF_PopupDef {
    PF_ParamValue value;
    A_short num_choices;
    A_short dephault;
    union {
        A_long id;
        const A_char* namesptr;
    } u;
};

// The host's union holds further parameter kinds, none larger than the layer.
union PF_ParamDefUnion {
    PF_LayerDef ld;
    PF_SliderDef sd;
    PF_PopupDef pd;
};

struct PF_ParamDef {
    union {
        A_long id;
        A_long change_flags;
    } uu;
    PF_ParamUIFlags ui_flags;
    A_short ui_width;
    A_short ui_height;
    PF_ParamType param_type;
    A_char name[PF_MAX_EFFECT_PARAM_NAME_LEN + 1];
    PF_ParamFlags flags;
    A_long unused;
    PF_ParamDefUnion u;
};
typedef PF_ParamDef* PF_ParamList[];

struct PF_InteractCallbacks {
    PF_Err (*checkout_param)(PF_ProgPtr effect_ref, A_long index, A_long what_time, A_long time_step,
                             A_u_long time_scale, PF_ParamDef* param);
    PF_Err (*checkin_param)(PF_ProgPtr effect_ref, PF_ParamDef* param);
    PF_Err (*add_param)(PF_ProgPtr effect_ref, A_long index, PF_ParamDef* def);
    PF_Err (*abort)(PF_ProgPtr effect_ref);
    PF_Err (*progress)(PF_ProgPtr effect_ref, A_long current, A_long total);
    PF_Err (*register_ui)(PF_ProgPtr effect_ref, void* cust_info);
    void* checkout_layer_audio;
    void* checkin_layer_audio;
    void* get_audio_data;
    void* reserved_str[3];
    void* reserved[10];
};

typedef double (*PF_UnaryMathFunc)(double);
typedef double (*PF_BinaryMathFunc)(double, double);

// The function table shared by the util callbacks' `ansi` member and the
// "PF ANSI Suite" version 1; the callbacks add one trailing field.
#define PF_ANSI_FUNCTIONS                                    \
    PF_UnaryMathFunc atan;                                   \
    PF_BinaryMathFunc atan2;                                 \
    PF_UnaryMathFunc ceil;                                   \
    PF_UnaryMathFunc cos;                                    \
    PF_UnaryMathFunc exp;                                    \
    PF_UnaryMathFunc fabs;                                   \
    PF_UnaryMathFunc floor;                                  \
    PF_BinaryMathFunc fmod;                                  \
    PF_BinaryMathFunc hypot;                                 \
    PF_UnaryMathFunc log;                                    \
    PF_UnaryMathFunc log10;                                  \
    PF_BinaryMathFunc pow;                                   \
    PF_UnaryMathFunc sin;                                    \
    PF_UnaryMathFunc sqrt;                                   \
    PF_UnaryMathFunc tan;                                    \
    int (*sprintf)(A_char * dst, const A_char* format, ...); \
    A_char* (*strcpy)(A_char * dst, const A_char* src);      \
    PF_UnaryMathFunc asin;                                   \
    PF_UnaryMathFunc acos;

struct PF_ANSICallbacks {
    PF_ANSI_FUNCTIONS
    A_long ansi_procs[1];
};

struct PF_ANSISuite1 {
    PF_ANSI_FUNCTIONS
};

constexpr const char* kPFANSISuite = "PF ANSI Suite";
constexpr int32_t kPFANSISuiteVersion1 = 1;

#undef PF_ANSI_FUNCTIONS

struct PF_UtilCallbacks {
    void* util_procs[26];  // world, pixel and iteration callbacks: unused here
    PF_ANSICallbacks ansi;
    void* colorCB[8];
    void* more_procs[14];
    A_long reserved[1];
};

struct SPBasicSuite {
    SPErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
    SPErr (*ReleaseSuite)(const char* name, int32_t version);
    int32_t (*IsEqual)(const char* token1, const char* token2);
    SPErr (*AllocateBlock)(size_t size, void** block);
    SPErr (*FreeBlock)(void* block);
    SPErr (*ReallocateBlock)(void* block, size_t newSize, void** newblock);
    SPErr (*Undefined)(void);
};

struct PF_InData {
    PF_InteractCallbacks inter;
    PF_UtilCallbacks* utils;
    PF_ProgPtr effect_ref;
    PF_Quality quality;
    PF_SpecVersion version;
    A_long serial_num;
    A_long appl_id;
    A_long num_params;
    A_long reserved;
    A_long what_cpu;
    A_long what_fpu;
    A_long current_time;
    A_long time_step;
    A_long total_time;
    A_long local_time_step;
    A_u_long time_scale;
    PF_Field field;
    PF_Fixed shutter_angle;
    A_long width;
    A_long height;
    PF_Rect extent_hint;
    A_long output_origin_x;
    A_long output_origin_y;
    PF_RationalScale downsample_x;
    PF_RationalScale downsample_y;
    PF_RationalScale pixel_aspect_ratio;
    PF_InFlags in_flags;
    PF_Handle global_data;
    PF_Handle sequence_data;
    PF_Handle frame_data;
    A_long start_sampL;
    A_long dur_sampL;
    A_long total_sampL;
    PF_SoundWorld src_snd;
    SPBasicSuite* pica_basicP;
    A_long pre_effect_source_origin_x;
    A_long pre_effect_source_origin_y;
    PF_Fixed shutter_phase;
};

struct PF_OutData {
    A_u_long my_version;
    A_char name[PF_MAX_EFFECT_NAME_LEN + 1];
    PF_Handle global_data;
    A_long num_params;
    PF_Handle sequence_data;
    A_long flat_sdata_size;
    PF_Handle frame_data;
    A_long width;
    A_long height;
    PF_Point origin;
    PF_OutFlags out_flags;
    A_char return_msg[PF_MAX_EFFECT_MSG_LEN + 1];
    A_long start_sampL;
    A_long dur_sampL;
    PF_SoundWorld dest_snd;
    PF_OutFlags2 out_flags2;
};

typedef PF_Err (*PF_EntryPointFunc)(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                                    PF_LayerDef* output, void* extra);

static_assert(sizeof(void*) == 8, "Talvenor targets 64-bit hosts only");

static_assert(sizeof(PF_Pixel) == 4 && offsetof(PF_Pixel, alpha) == 0 && offsetof(PF_Pixel, blue) == 3, "PF_Pixel");
static_assert(sizeof(PF_Rect) == 16 && sizeof(PF_Point) == 8 && sizeof(PF_RationalScale) == 8, "small records");
static_assert(sizeof(PF_SoundWorld) == 32 && offsetof(PF_SoundWorld, dataP) == 24, "PF_SoundWorld");

static_assert(sizeof(PF_InteractCallbacks) == 176, "PF_InteractCallbacks");
static_assert(offsetof(PF_InteractCallbacks, add_param) == 16, "inter.add_param");
static_assert(offsetof(PF_InteractCallbacks, progress) == 32, "inter.progress");
static_assert(offsetof(PF_InteractCallbacks, reserved_str) == 72, "inter.reserved_str");
static_assert(offsetof(PF_InteractCallbacks, reserved) == 96, "inter.reserved");

static_assert(sizeof(PF_InData) == 408 && alignof(PF_InData) == 8, "PF_InData");
static_assert(offsetof(PF_InData, utils) == 176, "in_data.utils");
static_assert(offsetof(PF_InData, effect_ref) == 184, "in_data.effect_ref");
static_assert(offsetof(PF_InData, version) == 196, "in_data.version");
static_assert(offsetof(PF_InData, time_scale) == 240, "in_data.time_scale");
static_assert(offsetof(PF_InData, width) == 252, "in_data.width");
static_assert(offsetof(PF_InData, extent_hint) == 260, "in_data.extent_hint");
static_assert(offsetof(PF_InData, pixel_aspect_ratio) == 300, "in_data.pixel_aspect_ratio");
static_assert(offsetof(PF_InData, in_flags) == 308, "in_data.in_flags");
static_assert(offsetof(PF_InData, global_data) == 312, "in_data.global_data");
static_assert(offsetof(PF_InData, total_sampL) == 344, "in_data.total_sampL");
static_assert(offsetof(PF_InData, src_snd) == 352, "in_data.src_snd");
static_assert(offsetof(PF_InData, pica_basicP) == 384, "in_data.pica_basicP");
static_assert(offsetof(PF_InData, shutter_phase) == 400, "in_data.shutter_phase");

static_assert(sizeof(PF_OutData) == 408 && alignof(PF_OutData) == 8, "PF_OutData");
static_assert(offsetof(PF_OutData, my_version) == 0, "out_data.my_version");
static_assert(offsetof(PF_OutData, name) == 4, "out_data.name");
static_assert(offsetof(PF_OutData, global_data) == 40, "out_data.global_data");
static_assert(offsetof(PF_OutData, num_params) == 48, "out_data.num_params");
static_assert(offsetof(PF_OutData, sequence_data) == 56, "out_data.sequence_data");
static_assert(offsetof(PF_OutData, frame_data) == 72, "out_data.frame_data");
static_assert(offsetof(PF_OutData, origin) == 88, "out_data.origin");
static_assert(offsetof(PF_OutData, out_flags) == 96, "out_data.out_flags");
static_assert(offsetof(PF_OutData, return_msg) == 100, "out_data.return_msg");
static_assert(offsetof(PF_OutData, start_sampL) == 356, "out_data.start_sampL");
static_assert(offsetof(PF_OutData, dest_snd) == 368, "out_data.dest_snd");
static_assert(offsetof(PF_OutData, out_flags2) == 400, "out_data.out_flags2");

static_assert(sizeof(PF_LayerDef) == 120 && alignof(PF_LayerDef) == 8, "PF_LayerDef");
static_assert(offsetof(PF_LayerDef, world_flags) == 16, "world.world_flags");
static_assert(offsetof(PF_LayerDef, data) == 24, "world.data");
static_assert(offsetof(PF_LayerDef, rowbytes) == 32, "world.rowbytes");
static_assert(offsetof(PF_LayerDef, width) == 36, "world.width");
static_assert(offsetof(PF_LayerDef, height) == 40, "world.height");
static_assert(offsetof(PF_LayerDef, extent_hint) == 44, "world.extent_hint");
static_assert(offsetof(PF_LayerDef, platform_ref) == 64, "world.platform_ref");
static_assert(offsetof(PF_LayerDef, reserved_long4) == 80, "world.reserved_long4");
static_assert(offsetof(PF_LayerDef, pix_aspect_ratio) == 88, "world.pix_aspect_ratio");
static_assert(offsetof(PF_LayerDef, reserved_long2) == 96, "world.reserved_long2");
static_assert(offsetof(PF_LayerDef, origin_x) == 104, "world.origin_x");
static_assert(offsetof(PF_LayerDef, dephault) == 116, "world.dephault");

static_assert(sizeof(PF_PopupDef) == 16 && alignof(PF_PopupDef) == 8, "PF_PopupDef");
static_assert(offsetof(PF_PopupDef, num_choices) == 4 && offsetof(PF_PopupDef, dephault) == 6, "PF_PopupDef");
static_assert(offsetof(PF_PopupDef, u) == 8, "PF_PopupDef.u.namesptr");
static_assert(sizeof(PF_SliderDef) == 88 && alignof(PF_SliderDef) == 4, "PF_SliderDef");
static_assert(offsetof(PF_SliderDef, value_str) == 4 && offsetof(PF_SliderDef, value_desc) == 36, "PF_SliderDef");
static_assert(offsetof(PF_SliderDef, valid_min) == 68 && offsetof(PF_SliderDef, valid_max) == 72, "PF_SliderDef");
static_assert(offsetof(PF_SliderDef, slider_min) == 76 && offsetof(PF_SliderDef, slider_max) == 80, "PF_SliderDef");
static_assert(offsetof(PF_SliderDef, dephault) == 84, "PF_SliderDef");
static_assert(sizeof(PF_ParamDefUnion) == 120, "PF_ParamDef.u");

static_assert(sizeof(PF_ParamDef) == 176 && alignof(PF_ParamDef) == 8, "PF_ParamDef");
static_assert(offsetof(PF_ParamDef, ui_flags) == 4, "param.ui_flags");
static_assert(offsetof(PF_ParamDef, ui_width) == 8 && offsetof(PF_ParamDef, ui_height) == 10, "param.ui_size");
static_assert(offsetof(PF_ParamDef, param_type) == 12, "param.param_type");
static_assert(offsetof(PF_ParamDef, name) == 16, "param.name");
static_assert(offsetof(PF_ParamDef, flags) == 48, "param.flags");
static_assert(offsetof(PF_ParamDef, u) == 56, "param.u");

static_assert(sizeof(PF_ANSICallbacks) == 160, "PF_ANSICallbacks");
static_assert(offsetof(PF_ANSICallbacks, sprintf) == 120, "ansi.sprintf");
static_assert(offsetof(PF_ANSICallbacks, strcpy) == 128, "ansi.strcpy");
static_assert(offsetof(PF_ANSICallbacks, ansi_procs) == 152, "ansi.ansi_procs");
static_assert(sizeof(PF_ANSISuite1) == 152 && offsetof(PF_ANSISuite1, sprintf) == 120, "PF ANSI Suite 1");
static_assert(sizeof(PF_UtilCallbacks) == 552, "PF_UtilCallbacks");
static_assert(offsetof(PF_UtilCallbacks, ansi) == 208, "utils.ansi");
static_assert(offsetof(PF_UtilCallbacks, ansi) + offsetof(PF_ANSICallbacks, strcpy) == 336, "utils.ansi.strcpy");
static_assert(offsetof(PF_UtilCallbacks, colorCB) == 368, "utils.colorCB");
static_assert(offsetof(PF_UtilCallbacks, reserved) == 544, "utils.reserved");
static_assert(sizeof(SPBasicSuite) == 56, "SPBasicSuite");
static_assert(offsetof(SPBasicSuite, ReleaseSuite) == 8, "SPBasicSuite.ReleaseSuite");
