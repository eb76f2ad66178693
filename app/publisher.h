#pragma once

// Who publishes Lexarion and where to find it: shown by the about box and the credit screen,
// opened by the home page commands.

#include <QStringView>

namespace lexarion {

inline constexpr QStringView ProductName = u"Lexarion";
inline constexpr QStringView ProductVersion = u"V1.9";
inline constexpr QStringView PublisherName = u"Lexarion 开源工作室";
inline constexpr QStringView HomePageAddress = u"https://lexarion.example.org/";
inline constexpr QStringView RightsNotice =
    u"版权所有 © 2026 Lexarion 开源工作室\r\n保留所有权利。";
inline constexpr QStringView TermsOfUseNotice =
    u"注意: \r\n本软件可免费使用和复制，但不得出售，也不得修改后以原名发布。"
    u"词库内容仅供学习参考，作者不对因使用本软件造成的任何损失负责。";

} // namespace lexarion
