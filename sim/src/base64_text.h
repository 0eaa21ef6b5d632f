// Bytes as base64 text (RFC 4648, with padding), as data: addresses carry them.
#pragma once

#include <string>
#include <string_view>

std::string Base64(std::string_view bytes);
