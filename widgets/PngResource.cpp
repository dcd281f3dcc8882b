// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/PngResource.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace tessaro {

namespace {

// A reader that takes the PNG handler built into Qt and touches no plugin.
struct PngReader {
    explicit PngReader(const QString& path) : reader(path, "png") { reader.setAutoDetectImageFormat(false); }
    QImageReader reader;
};

QString doubleDensityPath(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? QString() : path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

void addImage(QIcon& icon, const QString& path) {
    QImage image = PngReader(path).reader.read();
    if (image.isNull())
        return;
    // The icon picks among its images by pixel size and gives the result the screen's ratio itself.
    image.setDevicePixelRatio(1.0);
    icon.addPixmap(QPixmap::fromImage(image));
}

}  // namespace

QSize pngResourceSize(const QString& path) { return PngReader(path).reader.size(); }

QIcon pngResourceIcon(const QString& path) {
    QIcon icon;
    addImage(icon, path);
    if (!icon.isNull() && qGuiApp->devicePixelRatio() > 1.0)
        addImage(icon, doubleDensityPath(path));
    return icon;
}

}  // namespace tessaro
