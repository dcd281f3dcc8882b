#pragma once

#include <QPixmap>
#include <QString>

namespace tessaro {

// Loads an image resource at its own size, taking its @2x version on high-density screens.
QPixmap loadCrispPixmap(const QString& resourcePath);

}  // namespace tessaro
