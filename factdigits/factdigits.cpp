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

int fact[10];  // fact[k] = k!, filled by main

// Ends the run when memory runs out (the stream set-up or the digit string), from
// inside the failed allocation: no exception is raised, so none needs memory, and
// the C stream is used because the C++ streams may be half set up.
void oom() {
  fputs("factdigits: out of memory\n", stderr);
  _Exit(1);
}

// Flushes the answer line, the only output, and tells with status 1 when it did not
// reach standard output (a full disk, a closed descriptor).
int written() {
  if (std::cout.flush()) return 0;
  std::cerr << "factdigits: write error: " << std::strerror(errno) << '\n';
  return 1;
}

// Answers the command line: --help and --version print to standard output; any other
// argument is a misuse (status 2), as the instance is read from standard input only.
void args(int argc, char** argv) {
  const char* help =
    "usage: factdigits < FILE\n"
    "Reads one integer n from standard input. Prints the smallest non-negative integer\n"
    "whose decimal digits' factorials add up to n (an empty line for n <= 0).\n"
    "  --help     print this and exit\n"
    "  --version  print the version and exit\n"
    "Manual: man factdigits, or in the source tree: mandoc -a factdigits/factdigits.1\n";
  if (argc == 1) return;
  if (argc == 2 && !strcmp(argv[1], "--help")) std::cout << help, exit(written());
  if (argc == 2 && !strcmp(argv[1], "--version")) std::cout << "factdigits " VERSION "\n", exit(written());
  fputs("usage: factdigits < FILE (factdigits --help for more)\n", stderr);
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
