/* Holds a file open as another Windows program may (the game, an editor):
 * readable and writable by others, but not to be deleted or replaced.
 *
 *   hold-file.exe FILE     prints "held" and keeps the file until killed
 */
#include <stdio.h>
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
  if (file == INVALID_HANDLE_VALUE) return 1;
  printf("held\n");
  fflush(stdout);
  Sleep(INFINITE);
  return 0;
}
