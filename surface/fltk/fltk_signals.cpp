#include "surface/fltk/fltk_signals.h"

#include <csignal>

namespace quorex::fltk {
namespace {

volatile std::sig_atomic_t closeSignalled = 0;

void OnSignal(int) { closeSignalled = 1; }

}  // namespace

void CatchCloseSignals() {
  struct sigaction action {};
  action.sa_handler = &OnSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

bool CloseSignalled() { return closeSignalled != 0; }

}  // namespace quorex::fltk
