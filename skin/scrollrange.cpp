#include "skin/scrollrange.h"

#include "platform/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lexarion {

namespace {

qint32 SaturatedInt32(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<qint32>(std::clamp(value, double(std::numeric_limits<qint32>::min()),
                                          double(std::numeric_limits<qint32>::max())));
}

} // namespace

qint32 ClampToRange(qint64 value, qint32 min, qint32 max) {
    if (value < min)
        value = min;
    if (value > max)
        value = max;
    return static_cast<qint32>(value);
}

qint64 ThumbOffset(qint64 freeTrack, qint32 value, qint32 min, qint32 max) {
    if (max == min)
        return 0;
    const double offset =
        double(freeTrack) * (double(value) - double(min)) / (double(max) - double(min));
    return static_cast<qint64>(std::trunc(offset));
}

std::optional<qint32> DraggedValue(qint32 value, qint32 min, qint32 max, qint64 pointerDelta,
                                   qint64 freeTrack) {
    if (freeTrack == 0)
        return std::nullopt;
    const double delta =
        RoundHalfEven(double(pointerDelta) * (double(max) - double(min)) / double(freeTrack));
    const double wanted = double(value) + delta;
    if (wanted >= min && wanted <= max)
        return SaturatedInt32(wanted);
    const qint32 limit = wanted < min ? min : max;
    if (limit == value)
        return std::nullopt;
    return limit;
}

bool ScrollRange::SetMax(qint32 max) {
    // A maximum below Min stores Min; Value is brought into the range in either case, so the
    // thumb never sits beyond the track.
    max_ = max < min_ ? min_ : max;
    return value_ > max_ ? SetValue(max_) : false;
}

bool ScrollRange::SetMin(qint32 min) {
    min_ = min > max_ ? max_ : min;
    return value_ < min_ ? SetValue(min_) : false;
}

bool ScrollRange::SetValue(qint64 value) {
    const qint32 clamped = ClampToRange(value, min_, max_);
    if (clamped == value_)
        return false;
    value_ = clamped;
    return true;
}

} // namespace lexarion
