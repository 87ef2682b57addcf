// A language text lookup for tests: every key reads as "<KEY>", except the few
// texts the tests give real formats or leave empty.
#pragma once

#include <string>

#include "model/TextLookup.h"

namespace model::test {

TextLookup testTexts();

std::string narrow(const std::u16string &text);

}  // namespace model::test
