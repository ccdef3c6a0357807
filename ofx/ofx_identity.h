// The OpenFX effect's identity, in one place. The identifier names the effect in
// saved projects and must never change; the version's major number changes only
// when an old project's renders would.
#pragma once

#include "identity.h"

inline constexpr const char* kOfxEffectIdentifier = "net.talvenor.Talvenor";
inline constexpr unsigned int kOfxEffectVersionMajor = TALVENOR_MAJOR_VERSION;
inline constexpr unsigned int kOfxEffectVersionMinor = TALVENOR_MINOR_VERSION;
inline constexpr const char* kOfxEffectLabel = TALVENOR_NAME;
inline constexpr const char* kOfxEffectGrouping = TALVENOR_CATEGORY;
inline constexpr const char* kOfxEffectDescription =
    "Pixel sorting: rearranges the pixels of every frame, never changing one";
// The message id under which the effect reports its errors to the host.
inline constexpr const char* kOfxEffectMessageId = "net.talvenor.Talvenor.error";
