// SPDX-License-Identifier: MIT
// Preloaded into a program (LD_PRELOAD) by the runner's "close" attach: standard output
// closes, but fclose reports an I/O error, as a file system may report a lost write only
// when the file is closed.
#include <dlfcn.h>

#include <cerrno>
#include <cstdio>

extern "C" int fclose(FILE* f) {
  bool out = f == stdout;
  int r = reinterpret_cast<int (*)(FILE*)>(dlsym(RTLD_NEXT, "fclose"))(f);
  if (!out) return r;
  errno = EIO;
  return EOF;
}
