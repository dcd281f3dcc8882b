#include "PixmapLoading.h"

#include <QIcon>
#include <QImageReader>

namespace tessaro {

QPixmap loadCrispPixmap(const QString& resourcePath) {
    const QSize ownSize = QImageReader(resourcePath).size();
    if (!ownSize.isValid())
        return {};
    return QIcon(resourcePath).pixmap(ownSize);
}

}  // namespace tessaro
