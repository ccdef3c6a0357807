// The OpenFX string constants the effect uses. Each value is the OpenFX name
// without its leading k, but for the few whose value differs (the plug-in API).
#pragma once

// The plug-in API and the suites.
inline constexpr const char* kOfxImageEffectPluginApi = "OfxImageEffectPluginAPI";
inline constexpr const char* kOfxPropertySuite = "OfxPropertySuite";
inline constexpr const char* kOfxImageEffectSuite = "OfxImageEffectSuite";
inline constexpr const char* kOfxParameterSuite = "OfxParameterSuite";
inline constexpr const char* kOfxMessageSuite = "OfxMessageSuite";
inline constexpr const char* kOfxMultiThreadSuite = "OfxMultiThreadSuite";

// Actions.
inline constexpr const char* kOfxActionLoad = "OfxActionLoad";
inline constexpr const char* kOfxActionUnload = "OfxActionUnload";
inline constexpr const char* kOfxActionDescribe = "OfxActionDescribe";
inline constexpr const char* kOfxImageEffectActionDescribeInContext = "OfxImageEffectActionDescribeInContext";
inline constexpr const char* kOfxActionCreateInstance = "OfxActionCreateInstance";
inline constexpr const char* kOfxActionDestroyInstance = "OfxActionDestroyInstance";
inline constexpr const char* kOfxImageEffectActionGetRegionsOfInterest = "OfxImageEffectActionGetRegionsOfInterest";
inline constexpr const char* kOfxImageEffectActionRender = "OfxImageEffectActionRender";

// Effect descriptor and instance properties.
inline constexpr const char* kOfxPropLabel = "OfxPropLabel";
inline constexpr const char* kOfxPropPluginDescription = "OfxPropPluginDescription";
inline constexpr const char* kOfxPropInstanceData = "OfxPropInstanceData";
inline constexpr const char* kOfxImageEffectPluginPropGrouping = "OfxImageEffectPluginPropGrouping";
inline constexpr const char* kOfxImageEffectPropSupportedContexts = "OfxImageEffectPropSupportedContexts";
inline constexpr const char* kOfxImageEffectPropSupportedPixelDepths = "OfxImageEffectPropSupportedPixelDepths";
inline constexpr const char* kOfxImageEffectPropSupportsTiles = "OfxImageEffectPropSupportsTiles";
inline constexpr const char* kOfxImageEffectPropSupportsMultiResolution = "OfxImageEffectPropSupportsMultiResolution";
inline constexpr const char* kOfxImageEffectPropTemporalClipAccess = "OfxImageEffectPropTemporalClipAccess";
inline constexpr const char* kOfxImageEffectPluginPropHostFrameThreading = "OfxImageEffectPluginPropHostFrameThreading";
inline constexpr const char* kOfxImageEffectPluginRenderThreadSafety = "OfxImageEffectPluginRenderThreadSafety";
inline constexpr const char* kOfxImageEffectRenderFullySafe = "OfxImageEffectRenderFullySafe";
inline constexpr const char* kOfxImageEffectPropContext = "OfxImageEffectPropContext";
inline constexpr const char* kOfxImageEffectContextFilter = "OfxImageEffectContextFilter";
inline constexpr const char* kOfxImageEffectContextGeneral = "OfxImageEffectContextGeneral";

// Clips and images.
inline constexpr const char* kOfxImageEffectSimpleSourceClipName = "Source";
inline constexpr const char* kOfxImageEffectOutputClipName = "Output";
inline constexpr const char* kOfxImageEffectPropSupportedComponents = "OfxImageEffectPropSupportedComponents";
inline constexpr const char* kOfxImageEffectPropComponents = "OfxImageEffectPropComponents";
inline constexpr const char* kOfxImageComponentRGBA = "OfxImageComponentRGBA";
inline constexpr const char* kOfxImageComponentRGB = "OfxImageComponentRGB";
inline constexpr const char* kOfxImageEffectPropPixelDepth = "OfxImageEffectPropPixelDepth";
inline constexpr const char* kOfxBitDepthByte = "OfxBitDepthByte";
inline constexpr const char* kOfxBitDepthShort = "OfxBitDepthShort";
inline constexpr const char* kOfxBitDepthFloat = "OfxBitDepthFloat";
inline constexpr const char* kOfxImagePropData = "OfxImagePropData";
inline constexpr const char* kOfxImagePropRowBytes = "OfxImagePropRowBytes";
inline constexpr const char* kOfxImagePropBounds = "OfxImagePropBounds";
inline constexpr const char* kOfxImageClipPropRoISource = "OfxImageClipPropRoI_Source";

// Render arguments.
inline constexpr const char* kOfxPropTime = "OfxPropTime";
inline constexpr const char* kOfxImageEffectPropRenderWindow = "OfxImageEffectPropRenderWindow";

// Parameters.
inline constexpr const char* kOfxParamTypeChoice = "OfxParamTypeChoice";
inline constexpr const char* kOfxParamTypeInteger = "OfxParamTypeInteger";
inline constexpr const char* kOfxParamPropHint = "OfxParamPropHint";
inline constexpr const char* kOfxParamPropScriptName = "OfxParamPropScriptName";
inline constexpr const char* kOfxParamPropAnimates = "OfxParamPropAnimates";
inline constexpr const char* kOfxParamPropDefault = "OfxParamPropDefault";
inline constexpr const char* kOfxParamPropMin = "OfxParamPropMin";
inline constexpr const char* kOfxParamPropMax = "OfxParamPropMax";
inline constexpr const char* kOfxParamPropDisplayMin = "OfxParamPropDisplayMin";
inline constexpr const char* kOfxParamPropDisplayMax = "OfxParamPropDisplayMax";
inline constexpr const char* kOfxParamPropChoiceOption = "OfxParamPropChoiceOption";

// Messages.
inline constexpr const char* kOfxMessageError = "OfxMessageError";
