// Placing the word window's labels: the split and the one-line layout by their rules, and texts
// too large for the window wrapped and drawn smaller until they fit inside the borders.

#include "memorize/wordlayout.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace lexarion;

namespace {

// Sizes of a monospaced face: each character `charWidth` x `lineHeight` at scale 1, wrapped
// at whole characters.
struct FixedMeasure {
    int wordChars = 5, pronounceChars = 0, explanationChars = 4;
    double charWidth = 10, lineHeight = 20;

    QSizeF operator()(WordLabelKind kind, double scale, double maxWidth) const {
        const int chars = kind == WordLabelKind::Word        ? wordChars
                          : kind == WordLabelKind::Pronounce ? pronounceChars
                                                             : explanationChars;
        if (chars == 0)
            return {};
        const double w = charWidth * scale;
        const double h = lineHeight * scale;
        if (std::isinf(maxWidth) || chars * w <= maxWidth)
            return {chars * w, h};
        const int perLine = std::max(1, int(maxWidth / w));
        const int lines = (chars + perLine - 1) / perLine;
        return {perLine * w, lines * h};
    }
};

WordLayoutInput Input(double w, double h, bool split, const FixedMeasure& m) {
    WordLayoutInput input;
    input.inner = {w, h};
    input.leftBorder = input.rightBorder = input.topBorder = input.bottomBorder = 5;
    input.split = split;
    input.hasPronounce = m.pronounceChars > 0;
    input.hasExplanation = m.explanationChars > 0;
    return input;
}

TEST(WordLayoutTest, SplitCentresTheBlockWithAnEmptyLineBetweenLabels) {
    FixedMeasure m;
    m.pronounceChars = 3;
    const WordLayout layout = LayOutWords(Input(400, 300, true, m), m);
    EXPECT_EQ(layout.scale, 1);
    // h = 20 + 2 * 20 + 2 * 20; the block starts a third of the free height down.
    EXPECT_EQ(layout.word, QRectF(175, (300 - 100) / 3.0, 50, 20));
    EXPECT_EQ(layout.pronounce.topLeft(), QPointF(185, layout.word.bottom() + 20));
    EXPECT_EQ(layout.explanation.topLeft(), QPointF(180, layout.pronounce.bottom() + 20));
}

TEST(WordLayoutTest, SplitWithoutPronunciationPutsTheExplanationOneLineBelowTheWord) {
    FixedMeasure m;
    const WordLayout layout = LayOutWords(Input(400, 300, true, m), m);
    EXPECT_EQ(layout.word.top(), (300 - 60) / 3.0);
    EXPECT_EQ(layout.explanation.top(), layout.word.bottom() + 20);
}

TEST(WordLayoutTest, OneLineStartsFromTheLeftWithGapsAndCentresEachLabel) {
    FixedMeasure m;
    m.explanationChars = 2;
    m.lineHeight = 30;
    const WordLayout layout = LayOutWords(Input(400, 300, false, m), m);
    EXPECT_DOUBLE_EQ(layout.word.left(), 5 + LabelGapPixels);
    EXPECT_DOUBLE_EQ(layout.word.top(), (300 - 30 - 5 - 5) / 2.0 + 5);
    // No pronunciation: the explanation starts two gaps (200 twips) right of the word.
    EXPECT_DOUBLE_EQ(layout.explanation.left(), layout.word.right() + 2 * LabelGapPixels);
}

struct FitCase {
    const char* name;
    bool split;
    double width, height;
    int wordChars, explanationChars;
    bool wrapped;
    bool scaled;
};

class FitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitTest, EverythingStaysInsideTheBorders) {
    const FitCase& c = GetParam();
    FixedMeasure m;
    m.wordChars = c.wordChars;
    m.explanationChars = c.explanationChars;
    m.pronounceChars = 4;
    const WordLayoutInput input = Input(c.width, c.height, c.split, m);
    const WordLayout layout = LayOutWords(input, m);
    const QRectF area(5, 5, c.width - 10, c.height - 10);
    for (const QRectF& r : {layout.word, layout.pronounce, layout.explanation}) {
        EXPECT_GE(r.left(), area.left() - 0.5) << c.name;
        EXPECT_GE(r.top(), area.top() - 0.5) << c.name;
        EXPECT_LE(r.right(), area.right() + 0.5) << c.name;
        EXPECT_LE(r.bottom(), area.bottom() + 0.5) << c.name;
    }
    EXPECT_EQ(layout.explanation.height() > 20 * layout.scale + 0.01, c.wrapped) << c.name;
    EXPECT_EQ(layout.scale < 1, c.scaled) << c.name;
    if (!c.split && c.wrapped) {
        EXPECT_GE(layout.explanationWrap, (c.width - 10) / 3) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FitTest,
    ::testing::Values(
        FitCase{"FitsAsItIs", true, 800, 600, 5, 10, false, false},
        FitCase{"LongExplanationWraps", true, 800, 600, 5, 120, true, false},
        FitCase{"LongWordShrinks", true, 400, 600, 60, 4, false, true},
        FitCase{"SmallestWindowShrinksEverything", true, 67, 27, 8, 60, false, true},
        FitCase{"OneLineWrapsTheRest", false, 600, 400, 5, 80, true, false},
        FitCase{"OneLineShrinksWhenNoRoomIsLeft", false, 200, 100, 30, 10, false, true},
        FitCase{"OneLineKeepsAThirdForTheExplanation", false, 600, 400, 40, 80, true, true}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return info.param.name; });

} // namespace
