// Conversions between the UTF-16 texts the records keep and UTF-8 on disk and in Qt.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Invalid sequences become U+FFFD; never throws.
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

}  // namespace platform
