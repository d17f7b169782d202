// SPDX-License-Identifier: MIT
// Generates the benchmark instances on standard output.
// Usage: gen KIND SEED [N], KIND one of split-random, split-grid, split-read,
// tree-random, tree-path, tree-graph, tree-read, fact-max. N is the largest vertex
// count the instance may have, by default the program's default capacity (splitpath
// 262143, treedist 524288); split-random and tree-graph keep their density, edges per
// vertex, at any N. The -read kinds are almost all reading.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

std::mt19937_64 rng;
long long rnd(long long lo, long long hi) { return std::uniform_int_distribution<long long>(lo, hi)(rng); }

int main(int argc, char** argv) {
  if (argc < 3) { fprintf(stderr, "usage: gen KIND SEED [N]\n"); return 2; }
  std::string kind = argv[1];
  rng.seed(atoll(argv[2]));
  long long size = argc > 3 ? atoll(argv[3]) : 0;
  if (kind == "split-random") {  // n = 262143, m = 10^6, values and weights in 0..10^9
    int n = size ? size : 262143, m = n * 1000000LL / 262143;
    printf("%d %d\n", n, m);
    for (int v = 0; v < n; v++) printf("%lld\n", rnd(0, 1000000000));
    for (int e = 0; e < m; e++) printf("%lld %lld %lld\n", rnd(0, n - 1), rnd(0, n - 1), rnd(0, 1000000000));
  } else if (kind == "split-grid") {  // 256 x 256 grid (smaller where N is), weights 1..1000
    int s = 256;
    while (size && s * s > size) s--;
    printf("%d %d\n", s * s, 2 * s * (s - 1));
    for (int v = 0; v < s * s; v++) printf("%lld\n", rnd(0, 1000000000));
    for (int r = 0; r < s; r++)
      for (int c = 0; c < s; c++) {
        if (c + 1 < s) printf("%d %d %lld\n", r * s + c, r * s + c + 1, rnd(1, 1000));
        if (r + 1 < s) printf("%d %d %lld\n", r * s + c, (r + 1) * s + c, rnd(1, 1000));
      }
  } else if (kind == "tree-random") {  // each vertex below a random one of the 50 before it
    int n = size ? size : 524288;
    printf("%d %d\n", n, n - 1);
    for (int v = 1; v < n; v++) printf("%lld %d\n", rnd(v > 50 ? v - 50 : 0, v - 1), v);
  } else if (kind == "tree-path") {  // vertex 0 in the middle of a path of 2L + 1 vertices
    int L = ((size ? size : 524288) - 1) / 2;
    printf("%d %d\n0 1\n0 2\n", 2 * L + 1, 2 * L);
    for (int d = 2; d <= L; d++) printf("%d %d\n%d %d\n", 2 * d - 3, 2 * d - 1, 2 * d - 2, 2 * d);
  } else if (kind == "tree-graph") {  // random graph, n = 524288, m = 2 * 10^6
    int n = size ? size : 524288, m = n * 2000000LL / 524288;
    printf("%d %d\n", n, m);
    for (int e = 0; e < m; e++) printf("%lld %lld\n", rnd(0, n - 1), rnd(0, n - 1));
  } else if (kind == "split-read") {  // reading alone: one vertex, 10^6 self-loops, no pass
    printf("1 1000000\n0\n");
    for (int e = 0; e < 1000000; e++) printf("0 0 %lld\n", rnd(0, 1000000000));
  } else if (kind == "tree-read") {  // reading alone: n = 1 and 10^6 edges among the
    long long top = (size ? size : 524288) - 1;  // 64 highest vertices, stored and never visited
    printf("1 1000000\n");
    for (int e = 0; e < 1000000; e++) printf("%lld %lld\n", rnd(top - 63, top), rnd(top - 63, top));
  } else if (kind == "fact-max") {  // the largest input: an answer of 5,928 digits
    printf("2147483647\n");
  } else {
    fprintf(stderr, "gen: unknown kind %s\n", kind.c_str());
    return 2;
  }
  return 0;
}
