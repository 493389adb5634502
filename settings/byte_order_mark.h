#pragma once

#include <string_view>

namespace omaha {

// The UTF-8 byte-order mark that may open a settings file; a rewrite keeps it.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace omaha
