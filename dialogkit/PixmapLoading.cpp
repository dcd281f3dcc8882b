// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/PixmapLoading.h"

#include "widgets/ApplicationOwned.h"
#include "widgets/PngResource.h"

#include <QIcon>

namespace tessaro {

QPixmap loadCrispPixmap(const QString& resourcePath) {
    // One icon per image, so that the toolkit's pixmap cache holds each picture once, however often a screen opens.
    QHash<QString, QIcon>& icons = applicationOwned<ApplicationTable<QString, QIcon>>().entries;
    const QSize ownSize = pngResourceSize(resourcePath);
    if (!ownSize.isValid())
        return {};
    auto icon = icons.constFind(resourcePath);
    if (icon == icons.constEnd())
        icon = icons.insert(resourcePath, pngResourceIcon(resourcePath));
    return icon->pixmap(ownSize);
}

}  // namespace tessaro
