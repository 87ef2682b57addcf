// The names of the main window's 208 named events: "Varnel_Event_Main_" and the
// number 1..208 with at least two digits (…_01, …_99, …_100, …_208).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace mainwindow {

inline constexpr int kNamedEventCount = 208;

inline std::vector<std::string> mainNamedEventNames() {
    std::vector<std::string> names;
    for (int i = 1; i <= kNamedEventCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "%sMain_%02d", "Varnel_Event_", i);
        names.emplace_back(name);
    }
    return names;
}

}  // namespace mainwindow
