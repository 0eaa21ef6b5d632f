#include "registry/key_deletion_watch.h"

namespace {

platform::registry::KeyDeletionWatcher watching = nullptr;

}  // namespace

namespace platform::registry {

void WatchKeyDeletions(KeyDeletionWatcher watcher) { watching = watcher; }

void AnnounceKeyDeletion(const std::u16string& path)
{
    if (watching) watching(path);
}

}  // namespace platform::registry
