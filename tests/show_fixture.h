// Runs the show on the test platform for a chosen number of frames and keeps what it drew.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "saver/frm_quorex.h"
#include "surface/test/test_platform.h"

namespace quorex {

class ShowFixture : public testing::Test {
 protected:
  using BetweenFrames = std::function<void(frmQuorex&, int64_t frame)>;

  // Runs "/S" until `frames` frames are drawn: a click arrives in the last frame's yield.
  // `between` runs after each of those frames, before the input of its yield is delivered.
  void RunShow(int frames, BetweenFrames between = {}) {
    tp.windows.At(frames, test::InputEvent::Click());
    tp.windows.onYield = [this, between, frames](int64_t yield) {
      frameEnds.push_back(tp.windows.saver->calls.size());
      if (between && yield <= frames) between(*saver, yield);
    };
    tp.platform.argumentText = "/S";
    saver = std::make_unique<frmQuorex>(tp.platform);
    tp.windows.saver->observer = observer;
    tp.windows.saver->recordCalls = recordCalls;
    saver->Form_Load();
    tp.windows.RunUntilNoWindows();
  }

  // The drawing calls of frame `frame` (1 is the first), as text.
  std::vector<std::string> FrameCalls(int frame) const {
    const auto& calls = tp.windows.saver->calls;
    const size_t begin = frame == 1 ? 0 : frameEnds.at(static_cast<size_t>(frame - 2));
    const size_t end = frameEnds.at(static_cast<size_t>(frame - 1));
    std::vector<std::string> text;
    for (size_t i = begin; i < end; ++i) text.push_back(calls[i].ToString());
    return text;
  }

  void Store(const std::string& key, const std::string& text) { tp.settings.Store(key, text); }

  // Set before RunShow: sees every drawing call; long runs switch recording off.
  std::function<void(const test::SurfaceCall&)> observer;
  bool recordCalls = true;

  test::TestPlatform tp;
  std::unique_ptr<frmQuorex> saver;
  std::vector<size_t> frameEnds;  // index into the recorded calls where each frame ended
};

}  // namespace quorex
