#include "memorize/wordstyle.h"

#include "core/settings.h"
#include "platform/numbertext.h"
#include "skin/skincolor.h"

#include <QPainter>
#include <array>

namespace lexarion {

namespace {

const QString Section = QStringLiteral("RememberSetting");

QString Remember(const AppState& app, const QString& key, const char* defaultValue) {
    return ReadSetting(app, Section, key, QString::fromUtf8(defaultValue));
}

void LoadFont(const AppState& app, const QString& prefix, const char* size, bool roundSize,
              QFont& font) {
    font.setFamily(Remember(app, prefix + QStringLiteral("FontName"), "宋体"));
    double points = NumberValue(Remember(app, prefix + QStringLiteral("FontSize"), size));
    if (roundSize)
        points = RoundHalfEven(points);
    // A size of nothing or less cannot be drawn; such a value can only come from a hand-edited
    // file, and the default stands in for it.
    if (points <= 0)
        points = NumberValue(QString::fromLatin1(size));
    font.setPointSizeF(points);
    font.setBold(NumberValue(Remember(app, prefix + QStringLiteral("FontBold"), "1")) != 0);
    font.setItalic(NumberValue(Remember(app, prefix + QStringLiteral("FontItalic"), "1")) != 0);
}

void SaveFont(const AppState& app, const QString& prefix, const QFont& font) {
    WriteSetting(app, Section, prefix + QStringLiteral("FontName"), font.family());
    WriteSetting(app, Section, prefix + QStringLiteral("FontSize"),
                 QString::number(font.pointSizeF()));
    WriteSetting(app, Section, prefix + QStringLiteral("FontBold"),
                 font.bold() ? QStringLiteral("1") : QStringLiteral("0"));
    WriteSetting(app, Section, prefix + QStringLiteral("FontItalic"),
                 font.italic() ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace

void LoadWordFont(const AppState& app, QFont& font) {
    LoadFont(app, QStringLiteral("Word"), "72", true, font);
}

void LoadExplanationFont(const AppState& app, QFont& font) {
    LoadFont(app, QStringLiteral("Explanation"), "36", false, font);
}

void SaveWordFont(const AppState& app, const QFont& font) {
    SaveFont(app, QStringLiteral("Word"), font);
}

void SaveExplanationFont(const AppState& app, const QFont& font) {
    SaveFont(app, QStringLiteral("Explanation"), font);
}

void CopyFont(QFont& target, const QFont& source) {
    target.setBold(source.bold());
    target.setItalic(source.italic());
    target.setFamily(source.family());
    if (source.pointSizeF() > 0)
        target.setPointSizeF(source.pointSizeF());
    else
        target.setPixelSize(source.pixelSize());
    target.setStrikeOut(source.strikeOut());
    target.setUnderline(source.underline());
    target.setWeight(source.weight());
}

QColor SystemColor(int index) {
    // The classic desktop's defaults, by system colour number.
    static constexpr std::array<QRgb, 31> colors = {
        0xc8c8c8, // 0 scroll bar
        0x004e98, // 1 desktop
        0x0054e3, // 2 active caption
        0x7a96df, // 3 inactive caption
        0xffffff, // 4 menu
        0xffffff, // 5 window
        0x000000, // 6 window frame
        0x000000, // 7 menu text
        0x000000, // 8 window text
        0xffffff, // 9 caption text
        0xd4d0c8, // 10 active border
        0xd4d0c8, // 11 inactive border
        0x808080, // 12 application workspace
        0x316ac5, // 13 highlight
        0xffffff, // 14 highlight text
        0xece9d8, // 15 button face
        0xaca899, // 16 button shadow
        0xaca899, // 17 grey text
        0x000000, // 18 button text
        0xd8e4f8, // 19 inactive caption text
        0xffffff, // 20 button highlight
        0x716f64, // 21 3D dark shadow
        0xf1efe2, // 22 3D light
        0x000000, // 23 tooltip text
        0xffffe1, // 24 tooltip background
        0xb5b5b5, // 25 (unused)
        0x000080, // 26 hot-tracked item
        0x3d95ff, // 27 active caption gradient
        0x9db9eb, // 28 inactive caption gradient
        0x316ac5, // 29 menu highlight
        0xece9d8, // 30 menu bar
    };
    if (index < 0 || index >= int(colors.size()))
        return QColor(Qt::black);
    return QColor::fromRgb(colors[size_t(index)]);
}

QColor ColorFromSettingText(QStringView text) {
    const double value = NumberValue(text);
    // Numbers above 32 bits cannot name a colour; they are taken as black.
    if (value < -2147483648.0 || value > 4294967295.0)
        return QColor(Qt::black);
    const auto number = quint32(qint64(value));
    if (number & 0x80000000u)
        return SystemColor(int(number & 0xffu));
    return ColorFromNumber(qint32(number & 0xffffffu));
}

QColor ReadColorSetting(const AppState& app, const QString& key, const QString& defaultValue) {
    return ColorFromSettingText(ReadSetting(app, Section, key, defaultValue));
}

QImage ComposeBackground(const QImage& picture, QSize size, int style, const QColor& back) {
    QImage surface(size, QImage::Format_RGB32);
    surface.fill(back);
    if (picture.isNull() || size.isEmpty())
        return surface;
    QPainter painter(&surface);
    const int w = picture.width();
    const int h = picture.height();
    switch (style) {
    case int(BackPictureStyle::Tile):
        for (int y = 0; y <= size.height(); y += h)
            for (int x = 0; x <= size.width(); x += w)
                painter.drawImage(x, y, picture);
        break;
    case int(BackPictureStyle::Centre):
        painter.drawImage((size.width() - w) / 2, (size.height() - h) / 2, picture);
        break;
    case int(BackPictureStyle::Stretch):
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(), size), picture);
        break;
    default:
        break;
    }
    return surface;
}

} // namespace lexarion
