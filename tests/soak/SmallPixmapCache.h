#pragma once

#include <QPixmapCache>

namespace tessaro::soak {

// Qt keeps rendered pixmaps in a process-wide cache of up to 10 MiB. Every opening of a screen or rule page adds
// to it until that limit, which takes tens of thousands of checks and would hide a leak of our own behind it.
// While the soak runs the cache holds 1 MiB, so the memory bound watches the program's own memory.
class SmallPixmapCache {
public:
    SmallPixmapCache() : usualLimit_(QPixmapCache::cacheLimit()) { QPixmapCache::setCacheLimit(1024); }
    ~SmallPixmapCache() { QPixmapCache::setCacheLimit(usualLimit_); }
    SmallPixmapCache(const SmallPixmapCache&) = delete;
    SmallPixmapCache& operator=(const SmallPixmapCache&) = delete;

private:
    int usualLimit_;
};

} // namespace tessaro::soak
