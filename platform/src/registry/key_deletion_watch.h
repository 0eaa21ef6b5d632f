// Who hears of keys deleted from the registry: the input panel, which lets an
// input method go when its class is unregistered.
#pragma once

#include <string>

namespace platform::registry {

// PATH is the deleted key's path as the call log spells it ("HKCR\CLSID\{...}").
using KeyDeletionWatcher = void (*)(const std::u16string& path);

// One watcher at a time; null stops the watching.
void WatchKeyDeletions(KeyDeletionWatcher watcher);
void AnnounceKeyDeletion(const std::u16string& path);

}  // namespace platform::registry
