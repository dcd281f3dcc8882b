// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/PixmapLoading.h"

#include "widgets/ApplicationOwned.h"

#include <QIcon>
#include <QImageReader>

namespace tessaro {

QPixmap loadCrispPixmap(const QString& resourcePath) {
    // One icon per image, so that the toolkit's pixmap cache holds each picture once, however often a screen opens.
    QHash<QString, QIcon>& icons = applicationOwned<ApplicationTable<QString, QIcon>>().entries;
    const QSize ownSize = QImageReader(resourcePath).size();
    if (!ownSize.isValid())
        return {};
    auto icon = icons.constFind(resourcePath);
    if (icon == icons.constEnd())
        icon = icons.insert(resourcePath, QIcon(resourcePath));
    return icon->pixmap(ownSize);
}

}  // namespace tessaro
