// A show of a few frames from any stored texts for the three settings.
#include "fuzz_input.h"
#include "surface/test/test_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto texts = Texts(data, size, 3);
  quorex::test::TestPlatform tp;
  tp.log.enabled = false;
  tp.settings.Store("Action", texts[0]);
  tp.settings.Store("LineCount", texts[1]);
  tp.settings.Store("LineWidth", texts[2]);
  tp.windows.At(3, quorex::test::InputEvent::Click());
  tp.windows.maxYields = 50;
  tp.Run("/S");
  tp.windows.saver->calls.clear();
  if (!tp.system.screenSaverActive || tp.system.cursorCount != 0 || tp.windows.yieldLimitHit) {
    __builtin_trap();
  }
  return 0;
}
