// Command codes the keyboard understands (byte 3 of every request; the answer
// echoes it).
#pragma once

#include <cstdint>

namespace devicelink {

enum class CommandCode : std::uint8_t {
    BeginCommand = 0x01,
    EndCommand = 0x02,
    ReadInfo = 0x03,
    WriteInfo = 0x04,
    ReadParams = 0x05,
    WriteParams = 0x06,
    ReadKeyPage = 0x07,
    WriteKeyPage = 0x08,
    ReadMacroArea = 0x09,
    WriteMacroArea = 0x0A,
    ReadDefaultMatrix = 0x0F,
    WriteKeyColours = 0x11,
};

}  // namespace devicelink
