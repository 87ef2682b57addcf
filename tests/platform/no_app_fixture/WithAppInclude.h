// A core-layer header that reaches up into the start-up folder.
#pragma once

#include "app/CVarnelApp.h"
