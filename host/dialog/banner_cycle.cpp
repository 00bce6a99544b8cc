#include "banner_cycle.h"

namespace dialog {

BannerStep advanceBanner(std::int16_t& bannerFrame) {
    ++bannerFrame;
    if (bannerFrame >= 1 && bannerFrame <= bannerFrameCount) {
        return {BannerBox::Left, bannerFrame};
    }
    if (bannerFrame > bannerFrameCount && bannerFrame < bannerCycleTicks) {
        return {BannerBox::Right, bannerFrame - bannerFrameCount};
    }
    // The rest tick; a counter that was never in range starts over as well.
    bannerFrame = 0;
    return {};
}

} // namespace dialog
