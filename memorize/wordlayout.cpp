#include "memorize/wordlayout.h"

#include <algorithm>

namespace lexarion {

namespace {

// Each try draws the texts this much smaller than the last; below the last scale the text is
// too small to read anyway.
constexpr double ScaleStep = 0.9;
constexpr double SmallestScale = 0.004;
// Rounding of text extents may leave a fraction of a pixel outside.
constexpr double Tolerance = 0.5;

QRectF Content(const WordLayoutInput& input) {
    return QRectF(input.leftBorder, input.topBorder,
                  input.inner.width() - input.leftBorder - input.rightBorder,
                  input.inner.height() - input.topBorder - input.bottomBorder);
}

bool Inside(const QRectF& area, const QRectF& label) {
    if (label.width() <= 0 && label.height() <= 0)
        return true;
    return label.left() >= area.left() - Tolerance && label.top() >= area.top() - Tolerance &&
           label.right() <= area.right() + Tolerance && label.bottom() <= area.bottom() + Tolerance;
}

// An empty text measures nothing (an invalid size counts as 0 x 0).
QRectF Box(QSizeF size) {
    return QRectF(0, 0, std::max(0.0, size.width()), std::max(0.0, size.height()));
}

} // namespace

void PlaceLabels(const WordLayoutInput& input, WordLayout& layout) {
    const double W = input.inner.width();
    const double H = input.inner.height();
    QRectF& word = layout.word;
    QRectF& pronounce = layout.pronounce;
    QRectF& explanation = layout.explanation;
    if (input.split) {
        double h = word.height();
        if (input.hasPronounce)
            h += 2 * pronounce.height();
        if (input.hasExplanation)
            h += 2 * explanation.height();
        word.moveTo((W - word.width()) / 2, (H - h) / 3);
        // One empty line of the label's own height between two labels.
        pronounce.moveTo((W - pronounce.width()) / 2, word.bottom() + pronounce.height());
        const double above = input.hasPronounce ? pronounce.bottom() : word.bottom();
        explanation.moveTo((W - explanation.width()) / 2, above + explanation.height());
    } else {
        const auto centredTop = [&](const QRectF& label) {
            return (H - label.height() - input.topBorder - input.bottomBorder) / 2 +
                   input.topBorder;
        };
        word.moveTo(input.leftBorder + LabelGapPixels, centredTop(word));
        pronounce.moveTo(word.right() + LabelGapPixels, centredTop(pronounce));
        explanation.moveTo(pronounce.right() + LabelGapPixels, centredTop(explanation));
    }
}

WordLayout LayOutWords(const WordLayoutInput& input, const LabelMeasure& measure) {
    const QRectF area = Content(input);
    const double inf = std::numeric_limits<double>::infinity();
    WordLayout layout;
    for (double scale = 1;; scale *= ScaleStep) {
        const bool last = scale * ScaleStep < SmallestScale;
        layout.scale = scale;
        layout.word = Box(measure(WordLabelKind::Word, scale, inf));
        layout.pronounce = Box(measure(WordLabelKind::Pronounce, scale, inf));
        if (input.split) {
            layout.explanationWrap = std::max(1.0, area.width());
        } else {
            const double used = input.leftBorder + 3 * LabelGapPixels + layout.word.width() +
                                layout.pronounce.width();
            layout.explanationWrap = std::max(1.0, area.right() - used);
        }
        layout.explanation =
            Box(measure(WordLabelKind::Explanation, scale, layout.explanationWrap));
        PlaceLabels(input, layout);
        // On one line the explanation keeps at least a third of the width to wrap in (unless
        // it is shorter): a column a few characters wide reads worse than a smaller line.
        const bool roomy = input.split || !input.hasExplanation ||
                           layout.explanationWrap >= area.width() / 3 ||
                           layout.explanation.height() <= layout.word.height();
        if (last || (roomy && (Inside(area, layout.word) && Inside(area, layout.pronounce) &&
                               Inside(area, layout.explanation))))
            return layout;
    }
}

} // namespace lexarion
