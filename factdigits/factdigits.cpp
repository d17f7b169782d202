#line 2 "factdigits/factdigits.cpp"
// SPDX-License-Identifier: MIT
// factdigits: reads an integer n and prints the smallest non-negative integer
// whose decimal digits' factorials add up to n (an empty line for n <= 0). Limits:
// n is clamped to the signed 32-bit range; an answer has at most 5,952 digits.
// Cost: one step per digit printed, O(1) memory beyond the answer.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <new>
#include <string>

#ifndef VERSION
#define VERSION "unknown"  // the build sets it
#endif

static int fact[10];  // fact[k] = k!, filled by main

// Ends the run when memory runs out (the stream set-up or the digit string), from
// inside the failed allocation: no exception is raised, so none needs memory, and
// the C stream is used because the C++ streams may be half set up.
static void oom() {
  fputs("factdigits: out of memory\n", stderr);
  _Exit(1);
}

// Flushes and closes standard output, where the answer is the only output, and
// tells with status 1 when it did not all arrive: a full disk, a closed descriptor,
// or an error that only the close reports.
static int written() {
  if (std::cout.flush() && fclose(stdout) == 0) return 0;
  std::cerr << "factdigits: write error: " << std::strerror(errno) << '\n';
  return 1;
}

// An argument as a quote for a message, on one line: its first 63 bytes between
// single quotes, a backslash as \\ and a byte that is not printable ASCII as \xHH,
// then, when there are more, "..." and the length in bytes.
static std::string quote(const char* s) {
  std::string q = "'";
  size_t len = strlen(s);
  for (size_t i = 0; i < len && i < 63; i++) {
    unsigned char b = s[i];
    char hex[5];
    snprintf(hex, sizeof hex, "\\x%02X", b);
    q += b == '\\' ? "\\\\" : unsigned(b - ' ') < 95 ? std::string(1, char(b)) : hex;
  }
  return len > 63 ? q + "...' (" + std::to_string(len) + " bytes)" : q + "'";
}

// Answers the command line: --help and --version print to standard output, and "--"
// alone, the end of the options, is allowed. Anything else is a misuse: named on
// standard error with the usage line, status 2, before anything is read.
static void args(int argc, char** argv) {
  const char* help =
    "usage: factdigits < FILE\n"
    "Reads one integer n from standard input. Prints the smallest non-negative integer\n"
    "whose decimal digits' factorials add up to n (an empty line for n <= 0).\n"
    "  --help     print this and exit\n"
    "  --version  print the version and exit\n"
    "Manual: man factdigits where man-db is installed, or in the source tree:\n"
    "  mandoc -a factdigits/factdigits.1\n";
  if (argc == 1) return;
  const char* a = argv[1];
  if (argc == 2) {
    if (!strcmp(a, "--help")) std::cout << help, exit(written());
    if (!strcmp(a, "--version")) std::cout << "factdigits " VERSION "\n", exit(written());
    if (!strcmp(a, "--")) return;
  }
  bool known = !strcmp(a, "--help") || !strcmp(a, "--version") || !strcmp(a, "--");
  if (known) a = argv[2];  // nothing may follow it
  std::cerr << (!known && a[0] == '-' && a[1] ? "factdigits: unrecognized option " : "factdigits: unexpected argument ")
            << quote(a) << "\nusage: factdigits < FILE (factdigits --help for more)\n";
  exit(2);
}

// Reads n, takes digits greedily from 9 down, and prints them in ascending order.
int main(int argc, char** argv) {
  std::set_new_handler(oom);
  std::cin.tie(nullptr);
  std::ios::sync_with_stdio(false);
  args(argc, argv);

  int n = 0;
  std::cin >> n;
  if (std::cin.bad()) {  // a read error, not the end of the input
    std::cerr << "factdigits: cannot read standard input: " << std::strerror(errno) << '\n';
    return 1;
  }
  // A failed read leaves 0 when there was no integer and a bound when it was
  // out of range; only the first is refused, the second is used clamped.
  if (std::cin.fail() && n != INT_MAX && n != INT_MIN) {
    std::cerr << "factdigits: no integer on standard input\n";
    return 1;
  }
  if (n == 1) {
    std::cout << 0 << '\n';
    return written();
  }

  fact[0] = 1;
  for (int k = 1; k <= 9; k++) fact[k] = fact[k - 1] * k;

  // Each factorial divides the next, so the greedy choice needs the fewest digits;
  // the digit index only ever moves down.
  std::string s;
  int rest = n, k = 9;
  while (rest > 0) {
    while (fact[k] > rest) k--;
    rest -= fact[k];
    s += char('0' + k);
  }
  std::reverse(s.begin(), s.end());
  std::cout << s << '\n';
  return written();
}
