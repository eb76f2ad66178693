#include "dictbuild/ecdictsource.h"
#include "dictbuild/spelling.h"

#include <gtest/gtest.h>

using namespace lexarion::dictbuild;

namespace {

TEST(Spelling, NearSpellingIsOneSlipApart) {
    const struct {
        const char* a;
        const char* b;
        bool near;
    } cases[] = {
        {"inportant", "important", true}, // changed
        {"reservior", "reservoir", true}, // swapped
        {"uptodate", "up-to-date", true}, // hyphens only
        {"beau-ti-ful", "beautiful", true},  {"recieve", "receive", true},
        {"acomodate", "accommodate", false},                          // two slips
        {"abandon", "abundant", false},      {"core", "CORE", false}, // the same word
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NearSpelling(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.near)
            << c.a << " " << c.b;
        EXPECT_EQ(NearSpelling(QString::fromUtf8(c.b), QString::fromUtf8(c.a)), c.near)
            << c.b << " " << c.a;
    }
    // Words one slip apart share a variant.
    const QStringList a = SpellingVariants(u"reservior");
    const QStringList b = SpellingVariants(u"reservoir");
    EXPECT_TRUE(std::any_of(a.begin(), a.end(), [&](const QString& v) { return b.contains(v); }));
}

TEST(SourceColumns, ExchangeGivesTheBaseFormAndTheCaseOfTheForms) {
    const struct {
        const char* exchange;
        const char* definition;
        const char* lemma;
        bool lowerCaseForms;
    } cases[] = {
        {"s:cores/p:cored/i:coring/3:cores/d:cored", "", "", true},
        {"0:take/1:d/d:taken", "", "take", true},
        {"s:UFOs", "", "", false}, // a plural says nothing about the headword's case
        {"p:FAXED", "", "", false},
        {"", "imp. & p. p. of Kernel\\na. Alt. of Kernelled", "kernel", false},
        {"", "p. pr. & vb. n. of Abduce", "abduce", false},
        {"", "pl.  of Abscissa", "abscissa", false},
        {"0:go", "imp. of Wend", "go", false}, // the exchange column wins
        {"", "n. a member of the crew", "", false},
    };
    for (const auto& c : cases) {
        SourceEntry e;
        ParseExchange(c.exchange, e);
        CountDefinitions(c.definition, e);
        EXPECT_EQ(e.lemma, QString::fromUtf8(c.lemma)) << c.exchange << c.definition;
        EXPECT_EQ(e.lowerCaseForms, c.lowerCaseForms) << c.exchange;
    }
}

TEST(SourceColumns, DefinitionsAreCountedPerWordClass) {
    SourceEntry e;
    CountDefinitions("n. a person who has been converted\\nv. change from one system to another"
                     "\\nv. change the nature\\nv change religious beliefs\\ns. converted\\nr. "
                     "quickly\\nx. unknown",
                     e);
    EXPECT_EQ(e.definitionCounts, (std::array<quint8, 4>{1, 3, 1, 1}));
    EXPECT_EQ(ClassOfMarker(u"vt."), VerbClass);
    EXPECT_EQ(ClassOfMarker(u"adj."), AdjectiveClass);
    EXPECT_EQ(ClassOfMarker(u"ad."), AdverbClass);
    EXPECT_EQ(ClassOfMarker(u"prep."), NoWordClass);
}

} // namespace
