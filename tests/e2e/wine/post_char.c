/* Posts one WM_CHAR to the saver's window: Wine's keyboard types 8 for
   Ctrl+Backspace where Windows delivers 127, so the test hands the window
   the character Windows would. Usage: post_char CODE */
#include <stdlib.h>
#include <windows.h>

int main(int argc, char** argv) {
  HWND window = FindWindowW(L"SagelightForm", NULL);
  if (argc != 2 || window == NULL) {
    return 2;
  }
  return PostMessageW(window, WM_CHAR, (WPARAM)strtoul(argv[1], NULL, 0), 1) ? 0 : 1;
}
