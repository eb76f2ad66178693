#include "dictbuild/phonetic.h"
#include "support/tempprogramfolder.h"

#include <gtest/gtest.h>

using namespace lexarion::dictbuild;

namespace {

struct PhoneticCase {
    const char* source;
    const char* field;
};

void PrintTo(const PhoneticCase& c, std::ostream* os) {
    *os << c.source;
}

class PhoneticTest : public ::testing::TestWithParam<PhoneticCase> {};

TEST_P(PhoneticTest, BecomesIpaBetweenSlashes) {
    const PhoneticCase& c = GetParam();
    EXPECT_EQ(PronunciationField(QString::fromUtf8(c.source)), QString::fromUtf8(c.field))
        << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Notations, PhoneticTest,
    ::testing::Values(
        // The older notation: ' and , for the stresses, Cyrillic ә, : for length, ^ for ɡ.
        PhoneticCase{"ә'bændәn", "/əˈbændən/"},
        PhoneticCase{",skrɑ:vən'hɑ:ɡə", "/ˌskrɑːvənˈhɑːɡə/"},
        PhoneticCase{"'ɔ:lbɔ:^", "/ˈɔːlbɔːɡ/"}, PhoneticCase{"әk.selә'reiʃәn", "/əkˌseləˈreiʃən/"},
        PhoneticCase{"'dєәriәn", "/ˈdɛəriən/"}, PhoneticCase{"әbajt't\\\\\\\\:n", "/əbaʊtˈtɜːn/"},
        PhoneticCase{"'rajnd'trip", "/ˈraʊndˈtrip/"}, PhoneticCase{"bɒi", "/bɔi/"},
        PhoneticCase{"æb'nɒ:mәl", "/æbˈnɔːməl/"}, PhoneticCase{"hɒt", "/hɒt/"},
        // IPA as it stands, apart from the plain g.
        PhoneticCase{"ˈpɪtəjə", "/ˈpɪtəjə/"}, PhoneticCase{"ɪg'zem(p)t", "/ɪɡˈzem(p)t/"},
        // Only the first of several spellings.
        PhoneticCase{"ɪg'zem(p)t; eg-", "/ɪɡˈzem(p)t/"},
        PhoneticCase{"ә'bju:s.ә'bju:z", "/əˈbjuːs/"}, PhoneticCase{"ɒ:'gʌst. 'ɒ:gәst", "/ɔːˈɡʌst/"},
        PhoneticCase{"blɑ:st, blæstik", "/blɑːst, blæstik/"},
        // What cannot stand in a word-list field, and what is no pronunciation at all.
        PhoneticCase{"kæt#", "/kæt/"}, PhoneticCase{"kæt\tdɒg", "/kæt dɒɡ/"},
        PhoneticCase{"/kæt/", "/kæt/"}, PhoneticCase{"英 [bəˈru:k] 美 [ˈbɛrək", ""},
        PhoneticCase{"  ", ""}, PhoneticCase{"", ""}));

} // namespace
