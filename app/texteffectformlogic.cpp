#include "app/texteffectformlogic.h"

#include "app/publisher.h"

namespace lexarion {

bool TextSpacingAnimation::NextFrame(int& spacing) {
    if (done_)
        return false;
    if (spacing_ < -3 && !springing_) {
        hold_ = spacing_ + 4;
        springing_ = true;
        step_ = +1;
    }
    if (spacing_ > 128)
        step_ = -1;
    if (step_ == -1) {
        spacing_ += step_;
    } else if (spacing_ == final_) {
        done_ = true;
    } else {
        --hold_;
        if (hold_ <= 0) {
            ++spacing_;
            hold_ = spacing_ + 4;
        }
    }
    spacing = spacing_;
    return true;
}

std::vector<int> SpacingSequence(int startSpacing, int finalSpacing) {
    std::vector<int> frames;
    TextSpacingAnimation animation(startSpacing, finalSpacing);
    int spacing = 0;
    while (animation.NextFrame(spacing))
        frames.push_back(spacing);
    return frames;
}

const std::array<CreditLine, 3>& CreditLines() {
    static const std::array<CreditLine, 3> lines = {{
        {ProductName.toString() + QStringLiteral("     "), 24, true, 12, 12, 128, -1,
         102 + 256 * 153 + 65536 * 255},
        {PublisherName.toString() + QStringLiteral("   "), 14, true, 36, 52, 128, -1, 4154879},
        {HomePageAddress.toString(), 10, false, 49, 86, 128, 0, WindowTextColor},
    }};
    return lines;
}

} // namespace lexarion
