#pragma once

// The value arithmetic shared by the scroll bar, the slider and the up-down spinner: keeping a
// value inside its range, placing a thumb along a track, and turning a thumb drag into a new
// value. Everything is worked out in 64-bit or floating point, so ranges and positions beyond
// 16 bits give sensible results instead of failing.

#include <QtGlobal>
#include <optional>

namespace lexarion {

// `value` raised to `min`, then lowered to `max` (a range whose maximum is below its minimum
// therefore gives `max`).
qint32 ClampToRange(qint64 value, qint32 min, qint32 max);

// The offset of a thumb along a free track of `freeTrack` (track length less the thumb and
// whatever else it cannot cover): freeTrack * (value - min) / (max - min), truncated; 0 when
// max equals min.
qint64 ThumbOffset(qint64 freeTrack, qint32 value, qint32 min, qint32 max);

// The value a thumb drag asks for: the pointer moved `pointerDelta` along the thumb from where
// it was pressed, over a free track of `freeTrack`. delta = pointerDelta * (max - min) /
// freeTrack rounded half to even; value + delta when it lies inside min to max (even when delta
// is 0), otherwise the nearer limit unless `value` is there already. Nothing when the free
// track is 0.
std::optional<qint32> DraggedValue(qint32 value, qint32 min, qint32 max, qint64 pointerDelta,
                                   qint64 freeTrack);

// The range of a scroll bar: Max never below Min and Min never above Max; Value always inside.
class ScrollRange {
public:
    qint32 Max() const { return max_; }
    qint32 Min() const { return min_; }
    qint32 Value() const { return value_; }
    qint32 LargeChange() const { return largeChange_; }

    // Each returns true when Value changed (the scroll bar then moves its thumb and raises
    // Change).
    // A maximum below Min stores Min; Value above the new maximum is lowered to it.
    bool SetMax(qint32 max);
    // A minimum above Max stores Max; Value below the new minimum is raised to it.
    bool SetMin(qint32 min);
    // Clamped into Min to Max; stored only when it differs.
    bool SetValue(qint64 value);
    void SetLargeChange(qint32 largeChange) { largeChange_ = largeChange; }

private:
    qint32 max_ = 10;
    qint32 min_ = 0;
    qint32 value_ = 0;
    qint32 largeChange_ = 10;
};

} // namespace lexarion
