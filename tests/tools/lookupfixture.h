#pragma once

// A small lookup dictionary and its Chinese index in the shipped format, sorted by the program's
// comparison, for the lookup tests.

#include "support/tempprogramfolder.h"
#include "tools/lookupfile.h"

#include <QStringList>

namespace lexarion::testing {

inline QByteArray SmallDictionary() {
    return Gb(";测试词典\r\n"
              "a#art. 一#/ə/\r\n"
              "abandon#vt. 放弃, 抛弃；n. 放任#/əˈbændən/\r\n"
              "abbey#n. 修道院\r\n"
              "ability#n. 能力#/əˈbɪləti/\r\n"
              "able#adj. 能够的#/ˈeɪbl/\r\n"
              "apple#n. 苹果#/ˈæpl/\r\n"
              "Computer#n. 电脑#/kəmˈpjuːtə/\r\n"
              "zoo#n. 动物园#/zuː/\r\n");
}

inline QByteArray SmallIndex() {
    const auto line = [](const char* term, const char* words) {
        return EncodeChineseKey(QString::fromUtf8(term)) + u'#' + QString::fromUtf8(words);
    };
    QStringList lines{line("放弃", "abandon, give up ,quit"), line("苹果", "apple"),
                      line("电脑", "computer"), line("能力", "ability")};
    lines.sort(); // keys are digit strings: plain order is the program's order
    QByteArray out = "; index\r\n";
    for (const QString& l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

// Dicts/All.wsl and Dicts/All_cn.idx of `folder` from the two above.
inline void WriteSmallLookupFiles(const TempProgramFolder& folder) {
    folder.Write("Dicts/All.wsl", SmallDictionary());
    folder.Write("Dicts/All_cn.idx", SmallIndex());
}

} // namespace lexarion::testing
