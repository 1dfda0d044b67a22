// quorex: the Linux entry. Takes the same switches as the Windows program.
#include "app/program.h"
#include "surface/fltk/fltk_platform.h"

int main(int argc, char** argv) {
  quorex::fltk::FltkPlatform platform(quorex::fltk::ArgumentText(argc, argv));
  quorex::RunProgram(platform.Get());
  return 0;
}
