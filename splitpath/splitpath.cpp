#line 2 "splitpath/splitpath.cpp"
// SPDX-License-Identifier: MIT
// splitpath: reads a graph with non-negative vertex values T and edge weights and
// prints the smallest T[u] + d(u, v) + T[v] over two different vertices joined by
// a path, or 1000000000000000 when there is no such pair. One shortest-path search
// per bit of the vertex numbers, from a virtual source joined to the vertices that
// have the bit set, prices every vertex with the bit set against every one without.
// Limits: 0 <= n <= 2^CAPACITY_BITS - 1 (CAPACITY_BITS: a build setting), m >= 0,
// edge ends in 0..n-1, values and weights 0..2147483647 (every number a signed
// 32-bit int).
// Cost: one heap search over n + 1 vertices and m + n edges per bit of n - 1, so
// O((n + m) log(n + m) log n) time and O(n + m) memory.
#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <queue>
#include <stdexcept>
#include <utility>
#include <vector>

#ifndef VERSION
#define VERSION "unknown"  // the build sets it
#endif

#ifndef CAPACITY_BITS
#error "CAPACITY_BITS, the vertex capacity in bits, comes from the build (CMakeLists.txt)"
#endif
static_assert(CAPACITY_BITS >= 1 && CAPACITY_BITS <= 24, "capacity: 2 to 2^24 vertex slots");
const int N = 1 << CAPACITY_BITS;      // capacity: vertices 0..N-2, plus the virtual source
const long long INF = 1000000000000000LL;

static int n;                                             // vertex count; n itself is the virtual source
static int T[N];                                          // vertex values
static std::vector<std::pair<int, int>> G[N];             // adjacency: (neighbour, weight)
static long long dist[N];                                 // tentative distances of the current pass
static std::priority_queue<std::pair<long long, int>> H;  // (negated distance, vertex)
static long long res = INF;                               // best sum so far

// ---- Shared with treedist.cpp: the same there but for the program's name, the help
// text and --version's line (a test compares the two copies): mend both.
static const char* what = "";  // what the number being read is, for refusal messages
static int at = -1;            // its index (vertex or 1-based edge number), -1 for none

// Refuses the input: one line on standard error saying where and what, exit status 1.
[[noreturn]] __attribute__((format(printf, 1, 2))) static void refuse(const char* fmt, ...) {
  fprintf(stderr, at < 0 ? "splitpath: %s: " : "splitpath: %s %d: ", what, at);
  va_list ap;
  va_start(ap, fmt);
  vfprintf(stderr, fmt, ap);
  va_end(ap);
  fputc('\n', stderr);
  exit(1);
}

// Ends the run with status 1 when the last read from standard input failed: a read
// error is not the end of the input.
static void readable() {
  if (!ferror(stdin)) return;
  fprintf(stderr, "splitpath: cannot read standard input: %s\n", strerror(errno));
  exit(1);
}

// Ends the run when memory runs out (a container cannot grow), from inside the
// failed allocation: no exception is raised, so none needs memory, and nothing has
// been written yet that would need flushing.
static void oom() {
  fputs("splitpath: out of memory\n", stderr);
  _Exit(1);
}

// Flushes and closes standard output, where the answer is the only output, and
// tells with status 1 when it did not all arrive: a full disk, a closed descriptor,
// or an error that only the close reports.
static int written() {
  fflush(stdout);  // a failed write, now or earlier, leaves the error indicator set
  if (!ferror(stdout) && fclose(stdout) == 0) return 0;
  fprintf(stderr, "splitpath: write error: %s\n", strerror(errno));
  return 1;
}

// The bytes s[0..len) as a quote for a message, on one line: their first 63 bytes
// between single quotes, a backslash as \\ and a byte that is not printable ASCII as
// \xHH, then, when there are more, "..." and the length in bytes.
static const char* quote(const char* s, unsigned long long len) {
  static char q[4 * 63 + 40];  // 63 bytes of up to 4 characters, "'...' (", 20 digits, " bytes)"
  int h = 0;
  q[h++] = '\'';
  for (unsigned i = 0; i < len && i < 63; i++) {
    unsigned char b = s[i];
    if (b == '\\') q[h++] = '\\', q[h++] = '\\';
    else if (unsigned(b - ' ') < 95) q[h++] = char(b);
    else h += snprintf(q + h, 5, "\\x%02X", b);
  }
  if (len > 63) snprintf(q + h, sizeof q - h, "...' (%llu bytes)", len);
  else snprintf(q + h, sizeof q - h, "'");
  return q;
}

// Answers the command line: --help and --version print to standard output, and "--"
// alone, the end of the options, is allowed. Anything else is a misuse: named on
// standard error with the usage line, status 2, before anything is read.
static void args(int argc, char** argv) {
  const char* help =
    "usage: splitpath < FILE\n"
    "Reads a graph from standard input: the vertex count n, the edge count m, the\n"
    "vertex values T[0] .. T[n-1], then m edges \"a b c\" (vertices a and b, weight c).\n"
    "Prints the smallest T[u] + d(u, v) + T[v] over two different vertices u and v\n"
    "joined by a path, d being the shortest-path length, or 1000000000000000 when no\n"
    "two vertices are joined.\n"
    "  --help     print this and exit\n"
    "  --version  print the version and the largest vertex count, and exit\n"
    "Manual: man splitpath where man-db is installed, or in the source tree:\n"
    "  mandoc -a splitpath/splitpath.1\n";
  if (argc == 1) return;
  const char* a = argv[1];
  if (argc == 2) {
    if (!strcmp(a, "--help")) fputs(help, stdout), exit(written());
    if (!strcmp(a, "--version"))
      printf("splitpath %s (vertex count up to %d)\n", VERSION, N - 1), exit(written());
    if (!strcmp(a, "--")) return;
  }
  bool known = !strcmp(a, "--help") || !strcmp(a, "--version") || !strcmp(a, "--");
  if (known) a = argv[2];  // nothing may follow it
  fprintf(stderr, !known && a[0] == '-' && a[1] ? "splitpath: unrecognized option %s\n" : "splitpath: unexpected argument %s\n",
          quote(a, strlen(a)));
  fputs("usage: splitpath < FILE (splitpath --help for more)\n", stderr);
  exit(2);
}

// Reads the next whitespace-separated token as a signed 32-bit int, or refuses it.
// The bytes are classified here rather than by libc, and the token's first 63 are
// kept as they arrive: a valid number costs a test, a store and a digit step per
// byte, and only a refused one is quoted.
static int num() {
  auto space = [](int c) { return c == ' ' || unsigned(c - '\t') < 5; };  // \t \n \v \f \r
  FILE* in = stdin;  // a local copy: no store into tok can change it, so it is not reloaded
  char tok[64], *t = tok;      // the token's first 63 bytes; t stops at tok[63], the rest's slot
  unsigned long long len = 0;  // the token's length
  int c = getc_unlocked(in);
  while (space(c)) c = getc_unlocked(in);
  if (c == EOF) {
    readable();
    refuse("input ends early");
  }
  bool neg = c == '-';
  if (neg || c == '+') *t++ = char(c), len++, c = getc_unlocked(in);
  unsigned long long s = len;  // the sign's length
  unsigned v = 0;              // the magnitude, exact: past 214748364 a further digit ends the loop
  for (; unsigned(c - '0') < 10 && v <= 214748364; c = getc_unlocked(in), len++)
    *t = char(c), t += t < tok + 63, v = v * 10 + (c - '0');
  if (c == EOF) readable();
  bool junk = len == s;  // no digit at all
  if ((space(c) || c == EOF) && !junk && v <= 2147483647u + neg) return neg ? int(-(long long)v) : int(v);
  for (; c != EOF && !space(c); c = getc_unlocked(in), len++) {  // the rest of a refused token
    *t = char(c), t += t < tok + 63;
    junk = junk || unsigned(c - '0') >= 10;
  }
  readable();
  refuse(junk ? "%s is not an integer" : "%s does not fit a 32-bit int", quote(tok, len));
}
// ---- End of the code shared with treedist.cpp.

// Adds the undirected edge a-b of weight c to both adjacency lists.
static void conn(int a, int b, int c) {
  G[a].push_back({b, c});
  G[b].push_back({a, c});
}

// One pass for bit i: joins the virtual source n to every vertex with bit i set
// (weight T[j]), searches from it, lowers res over the vertices with bit i clear,
// and removes the virtual edges again.
static void Dijkstra(int i) {
  int mask = 1 << i;
  for (int j = 0; j < n; j++)
    if (j & mask) conn(n, j, T[j]);
  for (int j = 0; j < n; j++) dist[j] = INF;  // dist[n] stays 0
  H.push({0, n});
  while (!H.empty()) {
    auto [key, u] = H.top();
    H.pop();
    long long d = -key;
    if (d != dist[u]) continue;  // stale entry
    for (auto [v, c] : G[u]) {
      long long cand = d + c;
      if (cand < dist[v]) {
        dist[v] = cand;
        H.push({-cand, v});
      }
    }
  }
  for (int j = 0; j < n; j++) {
    if (j & mask) G[j].pop_back();  // the virtual edge is the last entry
    else res = std::min(res, dist[j] + T[j]);
  }
  G[n].clear();
}

// Reads and checks the instance, runs one pass per bit used by the vertex
// numbers 0..n-1, and prints res.
int main(int argc, char** argv) {
  std::set_new_handler(oom);
  args(argc, argv);
  try {
    what = "vertex count";
    n = num();
    if (n < 0 || n > N - 1) refuse("%d is outside 0..%d", n, N - 1);
    what = "edge count";
    int m = num();
    if (m < 0) refuse("%d is negative", m);
    what = "value of vertex";
    for (at = 0; at < n; at++) {
      T[at] = num();
      if (T[at] < 0) refuse("%d is negative", T[at]);
    }
    what = "edge";
    for (int e = 0; e < m; e++) {
      at = e + 1;
      int a = num(), b = num(), c = num();
      for (int x : {a, b})
        if (x < 0 || x >= n) {
          if (n == 0) refuse("endpoint %d: the graph has no vertices", x);
          refuse("endpoint %d is outside 0..%d", x, n - 1);
        }
      if (c < 0) refuse("weight %d is negative", c);
      conn(a, b, c);
    }
    // A pass for bit i has vertices on both sides only when 2^i < n.
    for (int i = 0; (1 << i) < n; i++) Dijkstra(i);
  } catch (const std::length_error&) {  // a list already at its largest size
    oom();
  }
  printf("%lld\n", res);
  return written();
}
