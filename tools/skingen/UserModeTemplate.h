// The factory content of a user lighting file: ten named per-key colour
// layouts, copied to each on-board profile on the first run.
#pragma once

#include <QString>

namespace skingen {

QString userModeTemplate();

}  // namespace skingen
