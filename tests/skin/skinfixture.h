#pragma once

// A small skin folder for the control tests: strips whose cells are each one plain colour, so
// that a grabbed control shows which cell it draws, and a parameter file.

#include "support/tempprogramfolder.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <memory>

namespace lexarion::testing {

// The colour of cell `cell` (from 1) of the fixture strips.
inline QColor FixtureCellColor(int cell) {
    static const QList<QColor> colors{Qt::red,    Qt::green,   Qt::blue,
                                      Qt::yellow, Qt::magenta, Qt::cyan};
    return colors.value(cell - 1);
}

// A one-row strip of `cells` cells of `cellSize` pixels, cell n in FixtureCellColor(n), as BMP.
inline QByteArray FixtureStrip(int cells, QSize cellSize) {
    QImage image(cellSize.width() * cells, cellSize.height(), QImage::Format_RGB32);
    QPainter painter(&image);
    for (int cell = 1; cell <= cells; ++cell)
        painter.fillRect(QRect(QPoint((cell - 1) * cellSize.width(), 0), cellSize),
                         FixtureCellColor(cell));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// "Skins/<name>/" with the given files, returned as the skin folder path.
inline QString WriteSkin(const TempProgramFolder& folder, const QString& name,
                         const QList<std::pair<QString, QByteArray>>& files) {
    for (const auto& [file, bytes] : files)
        folder.Write(QStringLiteral("Skins/") + name + u'/' + file, bytes);
    folder.MakeFolder(QStringLiteral("Skins/") + name);
    return folder.File(QStringLiteral("Skins/") + name + u'/');
}

// Where the host window's pointer rests between the steps of a test: away from every control.
inline constexpr QPoint HostRestingPoint(389, 289);

// A shown, active 400 x 300 window (its controls can take the focus) for one test, with no mouse
// button held and the pointer resting in its corner.
inline std::unique_ptr<QWidget> ShowHost() {
    auto host = std::make_unique<QWidget>();
    host->resize(400, 300);
    host->show();
    host->activateWindow();
    if (!QTest::qWaitForWindowActive(host.get()))
        return nullptr;
    QTest::mouseRelease(host.get(), Qt::LeftButton, {}, HostRestingPoint + QPoint(1, 1));
    QTest::mouseMove(host.get(), HostRestingPoint);
    return host;
}

// Closes the window with the pointer away from its controls, so that the next window opens
// with no control under the pointer.
inline void CloseHost(std::unique_ptr<QWidget>& host) {
    if (host)
        QTest::mouseMove(host.get(), HostRestingPoint);
    host.reset();
}

} // namespace lexarion::testing
