// FetchedImage: an image fetched from a clip for one render, given back to the
// host when it goes out of scope, on every path out of the render.
#pragma once

#include "ofx_suites.h"

class FetchedImage {
public:
    explicit FetchedImage(const OfxImageEffectSuiteV1& suite) : suite_(suite) {}
    ~FetchedImage()
    {
        if (image_) suite_.clipReleaseImage(image_);
    }
    FetchedImage(const FetchedImage&) = delete;
    FetchedImage& operator=(const FetchedImage&) = delete;

    // The whole image the host offers at `time`.
    OfxStatus Fetch(OfxImageClipHandle clip, OfxTime time)
    {
        OfxPropertySetHandle image = nullptr;
        const OfxStatus status = suite_.clipGetImage(clip, time, nullptr, &image);
        if (status != kOfxStatOK) return status;
        image_ = image;
        return image_ ? kOfxStatOK : kOfxStatFailed;
    }
    OfxPropertySetHandle Handle() const { return image_; }

private:
    const OfxImageEffectSuiteV1& suite_;
    OfxPropertySetHandle image_ = nullptr;
};
