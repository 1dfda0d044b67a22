// The program's entry: create the saver window, raise its load event, run until it has closed.
#pragma once

namespace quorex {

struct Platform;

void RunProgram(Platform& platform);

}  // namespace quorex
