// Messages the model asks its owner to show the user: a language text key, an
// optional number for the text's integer placeholder, and whether the box is
// shown above every other window. The owner looks the text up and shows it.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace model {

struct UserMessage {
    std::u16string_view textKey;
    std::optional<int> number;
    bool topmost = false;
};

using MessageSink = std::function<void(const UserMessage &message)>;

}  // namespace model
