#line 2 "treedist/treedist.cpp"
// SPDX-License-Identifier: MIT
// treedist: reads an undirected graph and prints how many edges a walker crosses
// visiting every vertex reachable from vertex 0 in level order (ascending depth,
// then ascending number), always moving along the breadth-first tree in which each
// vertex hangs below its smallest-numbered neighbour one level closer to vertex 0.
// Limits: 0 <= n <= 2^CAPACITY_BITS (CAPACITY_BITS: a build setting), m >= 0, edge
// ends in 0..2^CAPACITY_BITS - 1 (ends at n or above are stored and never visited).
// Cost: an ordered-set insertion per edge end that leads one level down (a comparison
// for any other end) and one ancestor-table query per vertex, O(m log n + n log n)
// time.
// Memory: the ancestor table is reserved whole, CAPACITY_BITS rows of 2^CAPACITY_BITS
// ints whatever n. A visited vertex writes one entry in every row, so the pages the
// run touches grow with how far apart the visited vertex numbers lie, up to a page per
// row for each; O(n + m) for the lists and sets.
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
#error "CAPACITY_BITS, the vertex capacity in bits, comes from the build (CMakeLists.txt)"
#endif
static_assert(CAPACITY_BITS >= 1 && CAPACITY_BITS <= 24, "capacity: 2 to 2^24 vertices");
const int N = 1 << CAPACITY_BITS;  // capacity: vertex numbers 0..N-1
const int LOG = CAPACITY_BITS;     // ancestor levels: one per bit of a vertex number

static int n;                  // vertex count
static std::vector<int> G[N];  // neighbours, in input order
static int D[N];               // depth; n marks a vertex not discovered yet
static int parent[N];          // breadth-first-tree parent; n until one is found
static std::set<int> S[N];     // S[d]: the vertices discovered at depth d
static int jp[LOG][N];         // jp[k][v]: the vertex 2^k steps above v (0 above the root)

// ---- Shared with splitpath.cpp: the same there but for the program's name, the help
// text and --version's line (a test compares the two copies): mend both.
static const char* what = "";  // what the number being read is, for refusal messages
static int at = -1;            // its index (vertex or 1-based edge number), -1 for none

// Refuses the input: one line on standard error saying where and what, exit status 1.
[[noreturn]] __attribute__((format(printf, 1, 2))) static void refuse(const char* fmt, ...) {
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
static void readable() {
  if (!ferror(stdin)) return;
  fprintf(stderr, "treedist: cannot read standard input: %s\n", strerror(errno));
  exit(1);
}

// Ends the run when memory runs out (a container cannot grow), from inside the
// failed allocation: no exception is raised, so none needs memory, and nothing has
// been written yet that would need flushing.
static void oom() {
  fputs("treedist: out of memory\n", stderr);
  _Exit(1);
}

// Flushes and closes standard output, where the answer is the only output, and
// tells with status 1 when it did not all arrive: a full disk, a closed descriptor,
// or an error that only the close reports.
static int written() {
  fflush(stdout);  // a failed write, now or earlier, leaves the error indicator set
  if (!ferror(stdout) && fclose(stdout) == 0) return 0;
  fprintf(stderr, "treedist: write error: %s\n", strerror(errno));
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
    "usage: treedist < FILE\n"
    "Reads an undirected graph from standard input: the vertex count n, the edge\n"
    "count m, then m edges \"a b\". Prints how many edges a walker crosses who visits\n"
    "every vertex reachable from vertex 0 level by level, in ascending order within a\n"
    "level, moving along the breadth-first tree.\n"
    "  --help     print this and exit\n"
    "  --version  print the version and the vertex limits, and exit\n"
    "Manual: man treedist where man-db is installed, or in the source tree:\n"
    "  mandoc -a treedist/treedist.1\n";
  if (argc == 1) return;
  const char* a = argv[1];
  if (argc == 2) {
    if (!strcmp(a, "--help")) fputs(help, stdout), exit(written());
    if (!strcmp(a, "--version"))
      printf("treedist %s (vertex count up to %d, vertex numbers 0..%d)\n", VERSION, N, N - 1), exit(written());
    if (!strcmp(a, "--")) return;
  }
  bool known = !strcmp(a, "--help") || !strcmp(a, "--version") || !strcmp(a, "--");
  if (known) a = argv[2];  // nothing may follow it
  fprintf(stderr, !known && a[0] == '-' && a[1] ? "treedist: unrecognized option %s\n" : "treedist: unexpected argument %s\n",
          quote(a, strlen(a)));
  fputs("usage: treedist < FILE (treedist --help for more)\n", stderr);
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
// ---- End of the code shared with splitpath.cpp.

// Settles v below its parent p: records v's ancestor row, then discovers its
// neighbours one level down, each keeping the smallest parent offered.
static void disc(int v, int p) {
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
static int lca(int a, int b) {
  if (a == b) return a;
  for (int k = LOG - 1; k >= 0; k--)
    if (jp[k][a] != jp[k][b]) a = jp[k][a], b = jp[k][b];
  return jp[0][a];
}

// Number of tree edges between two settled vertices of equal depth.
static int dist(int a, int b) { return D[a] + D[b] - 2 * D[lca(a, b)]; }

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
