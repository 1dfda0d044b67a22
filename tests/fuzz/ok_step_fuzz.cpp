// The setup dialog's OK from any texts in the two boxes, with any stored mode.
#include "fuzz_input.h"
#include "setup/setup_controls.h"
#include "surface/test/test_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto texts = Texts(data, size, 3);
  quorex::test::TestPlatform tp;
  tp.log.enabled = false;
  tp.settings.Store("Action", texts[0]);
  tp.windows.user = [&](quorex::test::TestSetupWindow& w) {
    w.Type(quorex::kLineCountBox, texts[1]);
    w.Type(quorex::kLineWidthBox, texts[2]);
    w.ClickOK();
  };
  tp.Run("/C");
  // Either all three settings were written, the boxes' texts unchanged, or none.
  const bool written = tp.settings.writes == 3;
  if (!written && tp.settings.writes != 0) __builtin_trap();
  if (written && (tp.settings.Get("LineCount") != texts[1] || tp.settings.Get("LineWidth") != texts[2])) {
    __builtin_trap();
  }
  return 0;
}
