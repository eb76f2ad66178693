// Paints the installation's own pictures: the program icon, the splash, the console background
// and its ten buttons, and the about box's picture. Run by the "paint-shell" target; the
// painted files are kept in the repository beside this file.

#include "app/controlformlogic.h"
#include "app/ui/consolelayout.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

using namespace lexarion;

namespace {

// The colours of one set of console pictures.
struct Palette {
    QColor blue, deepBlue, lightBlue, paper, orange, grooveFill, groovePen;
    QColor bannerTop, subtitle, panel, panelPen;
    QColor buttonTop, buttonBottom;
};

// The default skin's palette: XP blue title bars on a warm light grey.
const Palette XpPalette{{0x1f, 0x5f, 0xc8}, {0x0b, 0x3a, 0x8c}, {0x8c, 0xb8, 0xf2},
                        {0xec, 0xe7, 0xd8}, {0xf2, 0x8c, 0x28}, {0xdf, 0xd8, 0xc4},
                        {0xb8, 0xb0, 0x98}, {0x3c, 0x7e, 0xe0}, {0xdc, 0xe8, 0xff},
                        {0xf6, 0xf3, 0xea}, {0xc8, 0xc0, 0xa8}, {0x6c, 0xa4, 0xf0},
                        {0x1a, 0x52, 0xb8}};
// Jade's: jade greens on a pale celadon, with a gold accent.
const Palette JadePalette{{0x2e, 0x8b, 0x6a}, {0x14, 0x5a, 0x44}, {0x9a, 0xd8, 0xbc},
                          {0xf0, 0xf3, 0xea}, {0xd8, 0xa8, 0x3c}, {0xd6, 0xe4, 0xd8},
                          {0x98, 0xb4, 0xa0}, {0x3e, 0xa0, 0x7c}, {0xe0, 0xf4, 0xea},
                          {0xf7, 0xfa, 0xf4}, {0xb0, 0xc8, 0xb8}, {0x6c, 0xc4, 0x9c},
                          {0x1c, 0x6e, 0x50}};

// The palette being painted with.
Palette P = XpPalette;

QFont UiFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage NewImage(int w, int h, QColor fill) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

// The program's mark: a blue rounded square holding an open book and a white "L".
void PaintMark(QPainter& p, const QRectF& r) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, P.lightBlue);
    g.setColorAt(0.45, P.blue);
    g.setColorAt(1, P.deepBlue);
    p.setPen(QPen(P.deepBlue.darker(130), r.width() / 40.0));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), r.width() * 0.2, r.width() * 0.2);
    // the book
    const qreal w = r.width(), x = r.x(), y = r.y();
    QPainterPath book;
    book.moveTo(x + w * 0.18, y + w * 0.62);
    book.quadTo(x + w * 0.34, y + w * 0.56, x + w * 0.5, y + w * 0.66);
    book.quadTo(x + w * 0.66, y + w * 0.56, x + w * 0.82, y + w * 0.62);
    book.lineTo(x + w * 0.82, y + w * 0.80);
    book.quadTo(x + w * 0.66, y + w * 0.74, x + w * 0.5, y + w * 0.84);
    book.quadTo(x + w * 0.34, y + w * 0.74, x + w * 0.18, y + w * 0.80);
    book.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawPath(book);
    p.setPen(QPen(P.blue, w / 60.0));
    p.drawLine(QPointF(x + w * 0.5, y + w * 0.66), QPointF(x + w * 0.5, y + w * 0.84));
    // the letter
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(int(w * 0.5));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(x, y + w * 0.02, w, w * 0.58), Qt::AlignCenter, QStringLiteral("L"));
    p.setPen(P.orange);
    p.setBrush(P.orange);
    p.drawEllipse(QPointF(x + w * 0.76, y + w * 0.22), w * 0.06, w * 0.06);
}

QImage Icon(int size) {
    QImage image = NewImage(size, size, Qt::transparent);
    QPainter p(&image);
    PaintMark(p, QRectF(0, 0, size, size));
    return image;
}

QImage Splash() {
    QImage image = NewImage(289, 289, P.paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(110, 90), 220);
    g.setColorAt(0, QColor(0x5a, 0x96, 0xea));
    g.setColorAt(0.6, P.blue);
    g.setColorAt(1, P.deepBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(0, 0, 289, 289));
    p.setPen(QPen(QColor(255, 255, 255, 90), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(10, 10, 269, 269));
    PaintMark(p, QRectF(114, 40, 62, 62));
    p.setPen(Qt::white);
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(38);
    p.setFont(title);
    p.drawText(QRectF(0, 108, 289, 50), Qt::AlignCenter, QStringLiteral("Lexarion"));
    p.setFont(UiFont(17, true));
    p.drawText(QRectF(0, 158, 289, 28), Qt::AlignCenter, QStringLiteral("英语单词记忆"));
    p.setPen(QColor(0xff, 0xe2, 0xb0));
    p.setFont(UiFont(13, false));
    p.drawText(QRectF(0, 192, 289, 22), Qt::AlignCenter, QStringLiteral("每天一组 · 积少成多"));
    p.setPen(QColor(255, 255, 255, 200));
    p.setFont(UiFont(12, false));
    p.drawText(QRectF(0, 232, 289, 20), Qt::AlignCenter, QStringLiteral("正在加载，请稍候……"));
    return image;
}

void PaintGroove(QPainter& p, const QRect& r) {
    p.setPen(QPen(P.groovePen, 1));
    p.setBrush(P.grooveFill);
    p.drawRoundedRect(QRectF(r).adjusted(-3.5, -3.5, 3.5, 3.5), 8, 8);
}

QImage ConsoleBack() {
    QImage image = NewImage(ConsoleBackWidth, ConsoleBackHeight, P.paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient banner(0, 0, 0, 104);
    banner.setColorAt(0, P.bannerTop);
    banner.setColorAt(1, P.deepBlue);
    p.fillRect(QRect(0, 0, ConsoleBackWidth, 104), banner);
    p.fillRect(QRect(0, 104, ConsoleBackWidth, 4), P.orange);
    PaintMark(p, QRectF(26, 18, 68, 68));
    p.setPen(Qt::white);
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(40);
    p.setFont(title);
    p.drawText(QRectF(110, 14, 300, 50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Lexarion"));
    p.setFont(UiFont(17, false));
    p.setPen(P.subtitle);
    p.drawText(QRectF(112, 62, 420, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("英语单词记忆 —— 每天进步一点点"));
    // panels behind the two groups of buttons
    p.setPen(QPen(P.panelPen, 1));
    p.setBrush(P.panel);
    p.drawRoundedRect(QRectF(20.5, 124.5, 368, 217), 10, 10);
    p.drawRoundedRect(QRectF(402.5, 124.5, 128, 217), 10, 10);
    p.setFont(UiFont(12, true));
    p.setPen(P.deepBlue);
    for (int i = 0; i < ConsoleButtonCount; ++i)
        PaintGroove(p, ConsoleButtonRect(i));
    p.setPen(QColor(0x80, 0x78, 0x60));
    p.setFont(UiFont(12, false));
    p.drawText(QRectF(120, 368, 410, 24), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Tab 选择按钮，空格键执行"));
    return image;
}

QImage ConsoleButton(int index) {
    const QRect r = ConsoleButtonRect(index);
    QImage image = NewImage(r.width(), r.height(), P.grooveFill); // the corners show the groove
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool exit = index == ConsoleButtonCount - 1;
    const QColor top = exit ? QColor(0xf6, 0xa0, 0x60) : P.buttonTop;
    const QColor bottom = exit ? QColor(0xc8, 0x50, 0x18) : P.buttonBottom;
    QLinearGradient g(0, 0, 0, r.height());
    g.setColorAt(0, top);
    g.setColorAt(0.5, top.darker(115));
    g.setColorAt(0.51, bottom.lighter(115));
    g.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(140), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, r.width() - 1, r.height() - 1), 7, 7);
    // a numbered badge on the wide buttons, the label centred on the narrow ones
    const QString label = ConsoleButtonLabel(index);
    p.setPen(Qt::white);
    if (index < 6) {
        p.setBrush(QColor(255, 255, 255, 60));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(8, 8, 24, 24));
        p.setPen(Qt::white);
        p.setFont(UiFont(13, true));
        p.drawText(QRectF(8, 8, 24, 24), Qt::AlignCenter, QString::number(index + 1));
        p.setFont(UiFont(label.size() > 6 ? 14 : 16, true));
        p.drawText(QRectF(36, 0, r.width() - 40, r.height()), Qt::AlignCenter, label);
    } else {
        p.setFont(UiFont(label.size() > 4 ? 13 : 15, true));
        p.drawText(QRectF(2, 0, r.width() - 4, r.height()), Qt::AlignCenter, label);
    }
    return image;
}

QImage AboutPicture() {
    QImage image = NewImage(96, 96, P.paper);
    QPainter p(&image);
    PaintMark(p, QRectF(4, 4, 88, 88));
    return image;
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path))
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: lexshellpainter <output folder>\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    bool ok = Save(Icon(64), out + QStringLiteral("/Lexarion.png"));
    ok = Save(Splash(), out + QStringLiteral("/Welcome.bmp")) && ok;
    ok = Save(ConsoleBack(), out + QStringLiteral("/Control_Back.bmp")) && ok;
    for (int i = 0; i < ConsoleButtonCount; ++i)
        ok = Save(ConsoleButton(i), out + QStringLiteral("/Control_Button%1.bmp").arg(i)) && ok;
    ok = Save(AboutPicture(), out + QStringLiteral("/About.bmp")) && ok;
    // The desktop's menus take the icon from the hicolor theme, one picture per size.
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = out + QStringLiteral("/icons/%1x%1/apps").arg(size);
        QDir().mkpath(folder);
        ok = Save(Icon(size), folder + QStringLiteral("/lexarion.png")) && ok;
    }
    // Jade carries console pictures of its own, in its skin folder beside this one.
    P = JadePalette;
    const QString jade = out + QStringLiteral("/../skins/Jade");
    ok = Save(ConsoleBack(), jade + QStringLiteral("/Control_Back.bmp")) && ok;
    for (int i = 0; i < ConsoleButtonCount; ++i)
        ok = Save(ConsoleButton(i), jade + QStringLiteral("/Control_Button%1.bmp").arg(i)) && ok;
    return ok ? 0 : 1;
}
