// A configuration with keys of every kind in all three profiles and five named
// macros goes to the simulated keyboard and comes back as a profile file.
#include <gtest/gtest.h>

#include "ProfileTestSupport.h"
#include "RoundTripFlow.h"
#include "SimulatedKeyboard.h"

namespace {

class DeviceImageRoundTripTest : public devicelink::testing::SimulatedKeyboardTest {};

TEST_F(DeviceImageRoundTripTest, KindsValuesAndMacrosSurviveTheKeyboard) {
    model::test::TemporaryFolder folder;
    model::test::roundTripThroughKeyboard(*commands, folder / "from-keyboard.vrp");
}

}  // namespace
