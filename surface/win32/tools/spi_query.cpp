// Prints 1 when the system's screen-saver activation is on, 0 when it is off.
#include <windows.h>

#include <cstdio>

int main() {
  BOOL active = FALSE;
  SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  std::printf("%d\n", active ? 1 : 0);
  return 0;
}
