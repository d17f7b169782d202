// SPDX-License-Identifier: MIT
// treedist: reads an undirected graph and prints how many edges a walker crosses
// visiting every vertex reachable from vertex 0 in level order (ascending depth,
// then ascending number), always moving along the breadth-first tree in which each
// vertex hangs below its smallest-numbered neighbour one level closer to vertex 0.
// Limits: 0 <= n <= 2^CAPACITY_BITS (524288 by default), m >= 0, edge ends in
// 0..2^CAPACITY_BITS - 1 (ends at n or above are stored and never visited). Cost:
// an ordered-set insertion per edge end that leads one level down (a comparison for
// any other end) and one ancestor-table query per vertex, O(m log n + n log n) time.
// Memory: the ancestor table is reserved whole, CAPACITY_BITS * 2^CAPACITY_BITS ints
// whatever n, of which the run touches a row per visited vertex; O(n + m) for the
// lists and sets.
#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <set>
#include <stdexcept>
#include <vector>

#ifndef VERSION
#define VERSION "unknown"  // the build sets it
#endif

#ifndef CAPACITY_BITS
#define CAPACITY_BITS 19  // a build setting: the fuzz build makes the arrays small
#endif
static_assert(CAPACITY_BITS >= 1 && CAPACITY_BITS <= 24, "capacity: 2 to 2^24 vertices");
const int N = 1 << CAPACITY_BITS;  // capacity: vertex numbers 0..N-1
const int LOG = CAPACITY_BITS;     // ancestor levels: one per bit of a vertex number

int n;                  // vertex count
std::vector<int> G[N];  // neighbours, in input order
int D[N];               // depth; n marks a vertex not discovered yet
int parent[N];          // breadth-first-tree parent; n until one is found
std::set<int> S[N];     // S[d]: the vertices discovered at depth d
int jp[LOG][N];         // jp[k][v]: the vertex 2^k steps above v (0 above the root)

const char* what = "";  // what the number being read is, for refusal messages
int at = -1;            // its index (vertex or 1-based edge number), -1 for none

// Refuses the input: one line on standard error saying where and what, exit status 1.
[[noreturn]] __attribute__((format(printf, 1, 2))) void refuse(const char* fmt, ...) {
  fprintf(stderr, at < 0 ? "treedist: %s: " : "treedist: %s %d: ", what, at);
  va_list ap;
  va_start(ap, fmt);
  vfprintf(stderr, fmt, ap);
  va_end(ap);
  fputc('\n', stderr);
  exit(1);
}

// Ends the run with status 1 when the last read from standard input failed: a read
// error is not the end of the input.
void readable() {
  if (!ferror(stdin)) return;
  fprintf(stderr, "treedist: cannot read standard input: %s\n", strerror(errno));
  exit(1);
}

// Ends the run when memory runs out (the lists or the sets cannot grow), from
// inside the failed allocation: no exception is raised, so none needs memory, and
// nothing has been written yet that would need flushing.
void oom() {
  fputs("treedist: out of memory\n", stderr);
  _Exit(1);
}

// Flushes the answer line, the only output, and tells with status 1 when it did not
// reach standard output (a full disk, a closed descriptor).
int written() {
  fflush(stdout);  // a failed write, now or earlier, leaves the error indicator set
  if (!ferror(stdout)) return 0;
  fprintf(stderr, "treedist: write error: %s\n", strerror(errno));
  return 1;
}

// Answers the command line: --help and --version print to standard output; any other
// argument is a misuse (status 2), as the instance is read from standard input only.
void args(int argc, char** argv) {
  const char* help =
    "usage: treedist < FILE\n"
    "Reads an undirected graph from standard input: the vertex count n, the edge\n"
    "count m, then m edges \"a b\". Prints how many edges a walker crosses who visits\n"
    "every vertex reachable from vertex 0 level by level, in ascending order within a\n"
    "level, moving along the breadth-first tree.\n"
    "  --help     print this and exit\n"
    "  --version  print the version and exit\n"
    "Manual: man treedist, or in the source tree: mandoc -a treedist/treedist.1\n";
  if (argc == 1) return;
  if (argc == 2 && !strcmp(argv[1], "--help")) fputs(help, stdout), exit(written());
  if (argc == 2 && !strcmp(argv[1], "--version")) printf("treedist %s\n", VERSION), exit(written());
  fputs("usage: treedist < FILE (treedist --help for more)\n", stderr);
  exit(2);
}

// Reads the next whitespace-separated token as a signed 32-bit int, or refuses it.
// A valid number costs a test and a digit step per byte, the bytes classified here
// rather than by libc; only a refused token is quoted: by its first 63 bytes and,
// when longer, its length.
int num() {
  auto space = [](int c) { return c == ' ' || unsigned(c - '\t') < 5; };  // \t \n \v \f \r
  int c = getchar_unlocked();
  while (space(c)) c = getchar_unlocked();
  if (c == EOF) {
    readable();
    refuse("input ends early");
  }
  const char* sign = c == '-' ? "-" : c == '+' ? "+" : "";
  long long s = *sign != 0, len = s;  // the sign's length; the token's, so far
  if (s) c = getchar_unlocked();
  unsigned v = 0;  // the magnitude, exact: past 214748364 a further digit ends the loop
  for (; unsigned(c - '0') < 10 && v <= 214748364; c = getchar_unlocked(), len++)
    v = v * 10 + (c - '0');
  if (c == EOF) readable();
  bool junk = len == s;  // no digit at all
  if ((space(c) || c == EOF) && !junk && v <= 2147483647u + (*sign == '-'))
    return *sign == '-' ? int(-(long long)v) : int(v);
  // Refused: the head is rebuilt from the sign and v, zero-padded to the digits read
  // (past 73 digits the quote's 63 bytes are all zeros), then the rest kept as read,
  // a byte that is not printable ASCII as \xHH.
  char head[4 * 63 + 1];        // 63 bytes of up to 4 characters each, and a NUL
  int h = std::min(len, 63LL);  // where the next byte goes
  snprintf(head, sizeof head, "%s%.*u", sign, int(std::min(len - s, 73LL)), v);
  for (; c != EOF && !space(c); c = getchar_unlocked(), len++) {
    if (len < 63 && unsigned(c - ' ') < 95) head[h++] = char(c);
    else if (len < 63) h += snprintf(head + h, 5, "\\x%02X", unsigned(c));
    junk = junk || unsigned(c - '0') >= 10;
  }
  readable();
  head[h] = '\0';
  char quote[sizeof head + 40];  // quotes, "...", " (", up to 19 digits and " bytes)"
  snprintf(quote, sizeof quote, len > 63 ? "'%s...' (%lld bytes)" : "'%s'", head, len);
  refuse(junk ? "%s is not an integer" : "%s does not fit a 32-bit int", quote);
}

// Settles v below its parent p: records v's ancestor row, then discovers its
// neighbours one level down, each keeping the smallest parent offered.
void disc(int v, int p) {
  jp[0][v] = p;
  for (int k = 0; k + 1 < LOG; k++) jp[k + 1][v] = jp[k][jp[k][v]];
  for (int u : G[v])
    if (D[u] > D[v]) {
      D[u] = D[v] + 1;
      S[D[u]].insert(u);
      parent[u] = std::min(parent[u], v);
    }
}

// Lowest common ancestor of two settled vertices of equal depth.
int lca(int a, int b) {
  if (a == b) return a;
  for (int k = LOG - 1; k >= 0; k--)
    if (jp[k][a] != jp[k][b]) a = jp[k][a], b = jp[k][b];
  return jp[0][a];
}

// Number of tree edges between two settled vertices of equal depth.
int dist(int a, int b) { return D[a] + D[b] - 2 * D[lca(a, b)]; }

// Reads and checks the graph, settles vertex 0, then settles level after level
// while adding up the walker's steps, and prints the total.
int main(int argc, char** argv) {
  long long total = 0;
  std::set_new_handler(oom);
  args(argc, argv);
  try {
    what = "vertex count";
    n = num();
    if (n < 0 || n > N) refuse("%d is outside 0..%d", n, N);
    what = "edge count";
    int m = num();
    if (m < 0) refuse("%d is negative", m);
    what = "edge";
    for (int e = 0; e < m; e++) {
      at = e + 1;
      int a = num(), b = num();
      for (int x : {a, b})
        if (x < 0 || x >= N) refuse("vertex %d is outside 0..%d", x, N - 1);
      G[a].push_back(b);
      G[b].push_back(a);
    }

    for (int v = 0; v < n; v++) D[v] = parent[v] = n;
    D[0] = 0;
    disc(0, 0);

    // Within a level the walker stands at the previous vertex's parent: from there
    // dist + 2 reaches the next vertex; the first vertex of a level needs one edge
    // less, hence the -1 per level.
    int w = 0;
    for (int i = 1; i < n && !S[i].empty(); i++) {
      for (int x : S[i]) {
        int px = parent[x];
        total += dist(w, px) + 2;
        disc(x, px);
        w = px;
      }
      total -= 1;
      w = *S[i].rbegin();
    }
  } catch (const std::length_error&) {  // a list already at its largest size
    oom();
  }
  printf("%lld\n", total);
  return written();
}
