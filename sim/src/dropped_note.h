// The line a printed log starts with when its recorder dropped its oldest
// entries: a reader must not take the rest for the whole story.
#pragma once

#include <cstddef>
#include <string>

std::string DroppedNote(size_t dropped, const std::string& entries);
