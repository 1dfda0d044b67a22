// The saver window: its state record, its two public operations and its event handlers.
#pragma once

#include <cstdint>
#include <memory>

#include "saver/indexed_array.h"
#include "surface/saver_window.h"

namespace quorex {

struct Platform;

inline constexpr int16_t True = -1;
inline constexpr int16_t False = 0;

class frmQuorex final : public SaverWindowEvents {
 public:
  explicit frmQuorex(Platform& platform);

  // Public operations.
  void ColorReset();
  void DoGraphics();

  // Events.
  void Form_Load();
  void Form_Click() override;
  void Form_KeyDown(int16_t keyCode, int16_t shift) override;
  void Form_MouseMove(int16_t button, int16_t shift, float x, float y) override;
  void Form_Unload(int16_t& cancel);
  void Form_CloseRequested() override;
  void tmrExitNotify_Timer() override;

  // The show, run by the load event for "/S"; returns when the frame loop has ended.
  void RunShow();
  // Unloads the window (its unload event runs first); does nothing once it is closed.
  void Close();
  bool IsOpen() const { return open_; }

  // The state record, in declaration order.
  double PosX1 = 0;
  double PosY1 = 0;
  double PosX2 = 0;
  double PosY2 = 0;
  int32_t LineCount = 0;
  int32_t LineWidth = 0;
  int32_t Action = 0;
  int32_t HalfWidth = 0;
  int32_t HalfHeight = 0;
  int32_t Speed = 0;
  IndexedArray<int32_t> LineColor;
  IndexedArray<double> VX1;
  IndexedArray<double> VX2;
  IndexedArray<double> VY1;
  IndexedArray<double> VY2;
  IndexedArray<int32_t> X1;
  IndexedArray<int32_t> X2;
  IndexedArray<int32_t> Y1;
  IndexedArray<int32_t> Y2;
  int16_t ExitRequested = False;
  int32_t LastMouseX = 0;
  int32_t LastMouseY = 0;
  double NextColorTime = 0;

 private:
  void ReadSettings();
  void SizeArrays();
  void RunColorSchedule();
  bool ColorsDue(float clockReading) const;

  // Modes 1 to 4: every line bounces in its quarter and is drawn mirrored into all four.
  void MoveMirroredLine(int32_t i);
  void DrawMirroredCopies(int16_t options, int32_t i);  // modes 1 and 2
  void DrawMirroredCircles(int32_t i);                  // mode 3
  void DrawParallelogram(int32_t i);                    // mode 4
  // Modes 5 and 6: one drifting object leaves a trail of its last LineCount positions.
  void TrailStep(int32_t i, int16_t shape);

  float Rnd();

  Platform& platform_;
  std::unique_ptr<SaverWindow> window_;
  bool open_ = true;
};

}  // namespace quorex
