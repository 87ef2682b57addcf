#include "RandomSource.h"

#include <ctime>

namespace preview {

void ClockSeededRandom::seedFromClock() {
    engine_.seed(static_cast<std::minstd_rand::result_type>(std::time(nullptr)));
}

}  // namespace preview
