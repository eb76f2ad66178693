#include "app/ui/fontsetup.h"

#include <QFont>
#include <QStringList>

namespace lexarion {

void SetUpFontSubstitutes() {
    const QStringList song = {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                              QStringLiteral("WenQuanYi Micro Hei")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(QStringLiteral("隶书"),
                               {QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UKai TW"),
                                QStringLiteral("WenQuanYi Micro Hei")});
    QFont::insertSubstitutions(QStringLiteral("Kingsoft Phonetic Plain"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")});
}

} // namespace lexarion
