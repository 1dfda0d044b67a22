// Everything the portable core receives from a platform.
#pragma once

#include <string>

#include "surface/services.h"
#include "surface/window_system.h"

namespace quorex {

struct Platform {
  WindowSystem& windows;
  SettingsStore& settings;
  RandomSource& random;
  Clock& clock;
  SystemCalls& system;
  std::string argumentText;  // the command line without the program's own name
};

}  // namespace quorex
