// Handing names and value data to a caller's buffers, under the registry's
// size rules.
#pragma once

#include <string>

#include <windef.h>

#include "registry/key_store.h"

namespace platform::registry {

// Sets *TYPE when asked for. With no DATA buffer, *SIZE receives the size
// alone; with one too small, ERROR_MORE_DATA and *SIZE the size needed; with
// neither, the call only tells that the value exists. DATA without SIZE is
// the caller's error, checked before the value is looked up.
LONG CopyValueOut(const StoredValue& value, LPDWORD type, LPBYTE data, LPDWORD size);

// Copies NAME and its terminator into BUFFER, which holds *LENGTH characters,
// and sets *LENGTH to the name's length; ERROR_MORE_DATA, copying nothing and
// leaving *LENGTH alone, when it does not fit.
LONG CopyNameOut(const std::u16string& name, LPWSTR buffer, LPDWORD length);

}  // namespace platform::registry
