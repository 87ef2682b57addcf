// The language text lookup the model is given by its owner, so the model does not
// depend on the skin code: (section, key) -> text.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace model {

using TextLookup =
    std::function<std::u16string(std::u16string_view section, std::u16string_view key)>;

inline constexpr std::u16string_view kTextSection = u"TEXT";

}  // namespace model
