/* The effect's identity, in one place. Both the property list resource script
   (through the C preprocessor) and the code include this file, so each value
   exists once. Keep it to plain #defines: the resource compiler reads it too. */
#ifndef TALVENOR_IDENTITY_H
#define TALVENOR_IDENTITY_H

#define TALVENOR_NAME "Talvenor"
#define TALVENOR_CATEGORY "Talvenor"
#define TALVENOR_MATCH_NAME "Brindle Talvenor"
#define TALVENOR_DESCRIPTION "Talvenor plugin for After Effects"

/* The property list stores the names as counted strings; these are their
   length bytes, checked against the names by static_assert in global_setup.cpp. */
#define TALVENOR_NAME_LENGTH_BYTE "\x08"
#define TALVENOR_CATEGORY_LENGTH_BYTE "\x08"
#define TALVENOR_MATCH_NAME_LENGTH_BYTE "\x10"

#define TALVENOR_MAJOR_VERSION 1
#define TALVENOR_MINOR_VERSION 0
#define TALVENOR_BUG_VERSION 2
#define TALVENOR_STAGE 0 /* PF_Stage_DEVELOP */
#define TALVENOR_BUILD_VERSION 1

/* The resource compiler needs a literal 32-bit word (L suffix); the code checks
   that it packs the version parts above. */
#define TALVENOR_VERSION_WORD 0x81001L

/* PF_OutFlag_USE_OUTPUT_EXTENT | PF_OutFlag_PIX_INDEPENDENT */
#define TALVENOR_OUT_FLAGS 0x440L
/* PF_OutFlag2_SUPPORTS_QUERY_DYNAMIC_FLAGS */
#define TALVENOR_OUT_FLAGS2 0x1L

#define TALVENOR_SPEC_VERSION_MAJOR 13
#define TALVENOR_SPEC_VERSION_MINOR 7
#define TALVENOR_PIPL_VERSION_MAJOR 2
#define TALVENOR_PIPL_VERSION_MINOR 0

#define TALVENOR_PIPL_RESOURCE_ID 16000

#endif
