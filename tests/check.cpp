// SPDX-License-Identifier: MIT
// Black-box checks of the programs: cases from data files, cross-checks against
// brute-force oracles on random instances, and large generated instances.
// Usage: check cases PROGRAM FILE | check oom PROGRAM [BITS]
//        check splitpath|treedist PROGRAM BITS [PART PARTS] | check factdigits PROGRAM
//        [PART PARTS]   (random runs: those t with t % PARTS == PART, so that several
//        tests can share them)
//        check splitpath-full|treedist-full PROGRAM BITS   (instances at full capacity)
//        check replay NAME PROGRAM BITS FILE...   (inputs of the program NAME)
//        check seeds FILE PREFIX   (writes the input of case N to the file PREFIX<N>)
// BITS is the program's vertex capacity: 2^BITS slots.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace std;
typedef long long ll;

struct Run { string out, err; int status; };
int passed = 0, failed = 0;
int part = 0, parts = 1;  // this test runs the random runs t with t % parts == part
long long N = 0;          // the graph program's vertex slots
mt19937 rng(20261208);
vector<string> emulator;  // runs the programs where the kernel cannot: EMULATOR, a CMake list

// The whole file; a file that cannot be read ends the runner with status 2.
string slurp(const string& path) {
  string s;
  FILE* f = fopen(path.c_str(), "rb");
  char buf[65536];
  for (size_t k; f && (k = fread(buf, 1, sizeof buf, f)) > 0;) s.append(buf, k);
  if (!f || ferror(f)) cout << "cannot read " << path << "\n", exit(2);
  fclose(f);
  return s;
}

// Runs prog with the given standard input, the blank-separated arguments args and, if
// kib > 0, that much address space, for at most the test's time limit (LIMIT seconds);
// returns its output, errors and exit status (128 + N when signal N ended it).
// attach "full" writes its standard output to /dev/full, "closed" closes it, "gone" and
// "gone-ignored" make it a pipe whose reader has gone, with SIGPIPE at its default or
// ignored, "close" makes its fclose fail (the library FAILCLOSE, tests/failclose.cpp,
// preloaded; under the emulator, into the guest only), "dir" reads standard input from
// a directory, "cut" from the input without its last line feed, "stall" from a
// non-blocking pipe that holds the same and stays open, as from a writer that has not
// finished: reading on fails (EAGAIN).
Run run(const string& prog, const string& in, rlim_t kib = 0, const string& attach = "", const string& args = "") {
  char dir[] = "/tmp/checkXXXXXX";
  if (!mkdtemp(dir)) { perror("mkdtemp"); exit(2); }
  string d = dir;
  size_t len = in.size() - (!in.empty() && in.back() == '\n');
  ofstream(d + "/in", ios::binary) << in.substr(0, attach == "cut" ? len : in.size());
  pid_t pid = fork();
  if (pid == 0) {
    rlimit lim{kib << 10, kib << 10};
    if (kib && setrlimit(RLIMIT_AS, &lim)) _exit(125);
    alarm(getenv("LIMIT") ? atoi(getenv("LIMIT")) : 120);  // a run that hangs ends as killed by SIGALRM
    int fds[3] = {open(attach == "dir" ? "/" : (d + "/in").c_str(), O_RDONLY),
                  open(attach == "full" ? "/dev/full" : (d + "/out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600),
                  open((d + "/err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)};
    for (int k = 0; k < 3; k++)
      if (fds[k] < 0 || dup2(fds[k], k) < 0 || close(fds[k])) _exit(126);
    if (attach == "closed") close(1);
    int p[2];
    if (attach.rfind("gone", 0) == 0 && (pipe(p) || dup2(p[1], 1) < 0 || close(p[0]) || close(p[1]) ||
                                         signal(SIGPIPE, attach == "gone" ? SIG_DFL : SIG_IGN) == SIG_ERR)) _exit(126);
    if (attach == "stall" && (pipe(p) || write(p[1], in.data(), len) != ssize_t(len) ||
                              fcntl(p[0], F_SETFL, O_NONBLOCK) || dup2(p[0], 0) < 0)) _exit(126);
    // The library goes by a link in the run's own directory: the loader splits
    // LD_PRELOAD at blanks, and qemu's -E at commas, which the library's path may hold.
    string preload = "LD_PRELOAD=" + d + "/failclose.so";
    if (attach == "close" && symlink(getenv("FAILCLOSE") ? getenv("FAILCLOSE") : "", (d + "/failclose.so").c_str()))
      _exit(126);
    if (attach == "close" && emulator.empty()) putenv(preload.data()), setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 1);
    vector<string> words = emulator;
    if (attach == "close" && !emulator.empty()) words.push_back("-E"), words.push_back(preload);
    words.push_back(prog);
    istringstream ws(args);
    for (string w; getline(ws, w, ' ');) words.push_back(w);
    vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());  // an emulator may be a name on the PATH
    _exit(127);
  }
  int st = 0;
  waitpid(pid, &st, 0);
  Run r{attach == "full" ? "" : slurp(d + "/out"), slurp(d + "/err"), WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st)};
  for (const char* f : {"/in", "/out", "/err", "/failclose.so"}) unlink((d + f).c_str());
  rmdir(dir);
  return r;
}

// Records one expectation; prints what differs when it fails.
void expect(bool ok, const string& name, const string& detail) {
  ok ? passed++ : failed++;
  if (!ok) cout << "FAIL " << name << "\n" << detail << "\n";
}

// Runs prog and compares everything it does with the expected run.
void compare(const string& prog, const string& name, const string& in, const Run& want, rlim_t kib = 0,
             const string& attach = "", const string& args = "") {
  Run got = run(prog, in, kib, attach, args);
  ostringstream d;
  d << "  input:  " << in.substr(0, 300) << "\n  stdout: [" << got.out.substr(0, 300) << "] want ["
    << want.out.substr(0, 300) << "]\n  stderr: [" << got.err << "] want [" << want.err
    << "]\n  status: " << got.status << " want " << want.status;
  expect(got.out == want.out && got.err == want.err && got.status == want.status, name, d.str());
}

// Data-file cases: "case: NAME" starts one; "in:", "out:" and "err:" lines add a line
// to its input, expected stdout and expected stderr; "status: K" sets the exit status,
// "attach: HOW" where the standard streams go (see run) and "args: ARGS" the program's
// arguments, separated by single blanks; "\xHH" in an input or argument is the byte
// HH. Given a seeds prefix, it writes each case's input to a file, as the program
// would read it, instead.
void cases(const string& prog, const string& file, const string& seeds = "") {
  ifstream f(file);
  if (!f) cout << "cannot read " << file << "\n", exit(2);
  string line, name, in, attach, args;
  Run want{"", "", 0};
  int k = 0;
  auto flush = [&] {
    if (name.empty()) return;
    if (seeds.empty()) return compare(prog, name, in, want, 0, attach, args);
    if (!(ofstream(seeds + to_string(++k), ios::binary) << in.substr(0, in.size() - (attach == "cut"))))
      cout << "cannot write to " << seeds << "\n", exit(2);
  };
  while (getline(f, line)) {
    size_t c = line.find(':');
    string key = line.substr(0, c), val = c == string::npos ? "" : line.substr(min(c + 2, line.size()));
    if (key == "args" || key == "in")
      for (size_t i = 0; (i = val.find("\\x", i)) != string::npos; i++)
        val.replace(i, 4, 1, char(stoi(val.substr(i + 2, 2), nullptr, 16)));
    if (key == "case") { flush(); name = val; in = attach = args = ""; want = {"", "", 0}; }
    else if (key == "attach") attach = val;
    else if (key == "args") args = val;
    else if (key == "in") in += val + "\n";
    else if (key == "out") want.out += val + "\n";
    else if (key == "err") want.err += val + "\n";
    else if (key == "status") want.status = stoi(val);
    else if (!line.empty() && line[0] != '#') { cout << "bad line in " << file << ": " << line << "\n"; exit(2); }
  }
  flush();
}

ll rnd(ll lo, ll hi) { return uniform_int_distribution<ll>(lo, hi)(rng); }
ll big_or_small() { return rnd(0, 2) ? rnd(0, 9) : rnd(0, 2147483647); }

const ll INF = 1000000000000000LL;
typedef vector<array<ll, 3>> Edges;

// Smallest T[u] + d(u, v) + T[v] over different connected u, v, by all-pairs
// shortest paths over the vertices that have an edge to another vertex.
ll pairs(const vector<ll>& T, const Edges& edges) {
  vector<ll> id(T.size(), -1), of;
  for (auto& e : edges)
    for (ll x : {e[0], e[1]})
      if (e[0] != e[1] && id[x] < 0) id[x] = of.size(), of.push_back(x);
  size_t k = of.size();
  vector<vector<ll>> d(k, vector<ll>(k, INF));
  for (size_t i = 0; i < k; i++) d[i][i] = 0;
  for (auto& e : edges)
    if (ll a = id[e[0]], b = id[e[1]]; e[0] != e[1]) d[a][b] = d[b][a] = min(d[a][b], e[2]);
  for (size_t m = 0; m < k; m++)
    for (size_t i = 0; i < k; i++)
      for (size_t j = 0; j < k; j++) d[i][j] = min(d[i][j], d[i][m] + d[m][j]);
  ll best = INF;
  for (size_t i = 0; i < k; i++)
    for (size_t j = 0; j < k; j++)
      if (i != j && d[i][j] < INF) best = min(best, T[of[i]] + d[i][j] + T[of[j]]);
  return best;
}

// splitpath against the oracle on small random graphs.
void splitpath(const string& prog) {
  for (int t = 0; t < 400; t++) {
    int n = rnd(0, min(10LL, N - 1)), m = n ? rnd(0, 15) : 0;
    vector<ll> T(n);
    Edges edges;
    ostringstream in;
    in << n << " " << m << "\n";
    for (auto& x : T) in << (x = big_or_small()) << (rnd(0, 1) ? " " : "\n");
    for (int e = 0; e < m; e++) {
      ll a = rnd(0, n - 1), b = rnd(0, 3) ? rnd(0, n - 1) : a, c = big_or_small();
      in << a << " " << b << " " << c << "\n";
      edges.push_back({a, b, c});
    }
    if (t % parts == part) compare(prog, "random graph " + to_string(t), in.str(), {to_string(pairs(T, edges)) + "\n", "", 0});
  }
}

// splitpath at full capacity, the virtual source in the last slot: a path of costly
// edges and one cheap pair that differs in the top bit alone; and where the capacity
// allows, a graph whose only cheap pair agrees in bits 0..15.
void splitpath_full(const string& prog) {
  ostringstream in;
  if (N - 1 > 65536) {
    in << "65537 1\n0";
    for (int v = 1; v < 65536; v++) in << " 1000000000";
    in << " 0\n0 65536 0\n";
    compare(prog, "vertices 0 and 65536", in.str(), {"0\n", "", 0});
  }
  const ll C = N - 1, a = N / 2 - 2, b = N - 2;  // a and b differ in the top bit alone
  in.str("");
  in << C << " " << C << "\n";
  for (ll v = 0; v < C; v++) in << (v == a || v == b ? 0 : 1000000000) << "\n";
  for (ll v = 0; v + 1 < C; v++) in << v << " " << v + 1 << " 1000000000\n";
  in << b << " " << a << " 3\n";
  compare(prog, "largest vertex count, " + to_string(C), in.str(), {"3\n", "", 0});
}

// Walk length by plain breadth-first search and climbing parents.
ll walk(int n, const vector<pair<int, int>>& edges) {
  if (n <= 1) return 0;
  vector<vector<int>> adj(n);
  for (auto [a, b] : edges)
    if (a < n && b < n) adj[a].push_back(b), adj[b].push_back(a);
  vector<int> depth(n, -1), par(n, -1), order{0};
  depth[0] = 0;
  for (size_t i = 0; i < order.size(); i++)
    for (int u : adj[order[i]])
      if (depth[u] < 0) depth[u] = depth[order[i]] + 1, order.push_back(u);
  for (int v : order)
    for (int u : adj[v])
      if (depth[u] == depth[v] - 1 && (par[v] < 0 || u < par[v])) par[v] = u;
  sort(order.begin(), order.end(), [&](int a, int b) { return make_pair(depth[a], a) < make_pair(depth[b], b); });
  ll total = 0;
  for (size_t i = 1; i < order.size(); i++) {
    int a = order[i - 1], b = order[i];
    while (a != b) {
      if (depth[a] >= depth[b]) a = par[a]; else b = par[b];
      total++;
    }
  }
  return total;
}

// treedist against the oracle on random graphs and shuffled random trees.
void treedist(const string& prog) {
  for (int t = 0; t < 400; t++) {
    int n = rnd(0, min(30LL, N)), top = min(n + 2LL, N - 1);  // vertex numbers up to top
    vector<pair<int, int>> edges;
    if (t % 2) {
      vector<int> id(n);
      iota(id.begin(), id.end(), 0);
      shuffle(id.begin(), id.end(), rng);
      for (int v = 1; v < n; v++) edges.push_back({id[v], id[rnd(0, v - 1)]});
    }
    for (int e = rnd(0, 40); e > 0; e--) {
      int a = rnd(0, top), b = rnd(0, 4) ? rnd(0, top) : a;
      edges.push_back({a, b});
      if (!rnd(0, 5)) edges.push_back({b, a});
    }
    shuffle(edges.begin(), edges.end(), rng);
    ostringstream in;
    in << n << " " << edges.size() << "\n";
    for (auto [a, b] : edges) in << a << " " << b << "\n";
    if (t % parts == part) compare(prog, "random graph " + to_string(t), in.str(), {to_string(walk(n, edges)) + "\n", "", 0});
  }
}

// treedist at full capacity: the long path whose total needs 64 bits at the default
// capacity, and a level at every depth with the largest vertex number deepest.
void treedist_full(const string& prog) {
  const ll L = N / 2 - 1;
  ostringstream in;
  in << 2 * L + 1 << " " << 2 * L << "\n0 1\n0 2\n";
  for (ll d = 2; d <= L; d++) in << 2 * d - 3 << " " << 2 * d - 1 << "\n" << 2 * d - 2 << " " << 2 * d << "\n";
  compare(prog, "path of 2L + 1 vertices, L = " + to_string(L), in.str(), {to_string(2 * L * L + L) + "\n", "", 0});
  in.str("");
  in << N << " " << N - 1 << "\n";
  for (ll v = 0; v + 1 < N; v++) in << v << " " << v + 1 << "\n";
  compare(prog, "path through all " + to_string(N) + " vertices", in.str(), {to_string(N - 1) + "\n", "", 0});
}

const int F[10] = {1, 1, 2, 6, 24, 120, 720, 5040, 40320, 362880}, M = F[9];
vector<int> fewest;  // fewest digits 1..8 summing to each value below 9!

// Whether out is factdigits' answer for n (clamped to 32 bits): "0" for 1, an empty
// line for n <= 0, else ascending digits 1..9 whose factorials sum to n, as few as can.
bool factok(ll n, const string& out) {
  if (fewest.empty()) {
    fewest.assign(M + 1, 0);
    for (int s = 1; s <= M; s++) {
      fewest[s] = INT32_MAX;
      for (int k = 1; k <= 8 && F[k] <= s; k++) fewest[s] = min(fewest[s], fewest[s - F[k]] + 1);
    }
  }
  ll v = max(min(n, 2147483647LL), -2147483648LL), sum = 0;
  if (out.empty() || out.back() != '\n') return false;
  string s = out.substr(0, out.size() - 1);
  if (v <= 1) return s == (v == 1 ? "0" : "");
  for (char c : s) sum += c >= '1' && c <= '9' ? F[c - '0'] : -(1LL << 40);
  return sum == v && is_sorted(s.begin(), s.end()) && ll(s.size()) == v / M + fewest[v % M];
}

// factdigits: exact answers for small n from a digit-set table, and for large n
// the digit sum, ascending order and fewest digits.
void factdigits(const string& prog) {
  vector<string> best(3001);
  for (int s = 1; s <= 3000; s++)
    for (int k = 1; k <= 9 && F[k] <= s; k++) {
      string c = best[s - F[k]] + char('0' + k);
      sort(c.begin(), c.end());
      if (best[s].empty() || c.size() < best[s].size() || (c.size() == best[s].size() && c < best[s])) best[s] = c;
    }
  for (int s = 2 + part; s <= 3000; s += parts) compare(prog, "n = " + to_string(s), to_string(s) + "\n", {best[s] + "\n", "", 0});
  vector<ll> ns{2147483647, 99999999999, 362880LL * 5917};
  for (int t = 0; t < 200; t++) ns.push_back(rnd(3001, 2147483647));
  for (size_t i = part; i < ns.size(); i += parts) {
    Run r = run(prog, to_string(ns[i]) + "\n");
    expect(r.err.empty() && r.status == 0 && factok(ns[i], r.out), "n = " + to_string(ns[i]), "  got " + r.out.substr(0, 100) + " " + r.err);
  }
  if (part > 0) return;
  Run r = run(prog, "2147483647");
  expect(r.out == "135" + string(8, '8') + string(5917, '9') + "\n", "2147483647 exactly", r.out.substr(0, 40));
}

// The numbers of an input as the graph programs read them: whitespace-separated
// tokens, each an optional sign and decimal digits within 32 bits, up to the first
// token that is not one.
vector<ll> numbers(const string& in) {
  vector<ll> v;
  istringstream s(in);
  for (string t; s >> t;) {
    size_t i = t[0] == '-' || t[0] == '+', z = t.find_first_not_of('0', i);
    if (i == t.size() || t.find_first_not_of("0123456789", i) != string::npos) break;
    string digits = z == string::npos ? "0" : t.substr(z);
    ll x = digits.size() > 10 ? INF : stoll(digits) * (t[0] == '-' ? -1 : 1);
    if (x < -2147483648LL || x > 2147483647) break;
    v.push_back(x);
  }
  return v;
}

// The answer line a program owes on in at capacity N (2^bits vertex slots), or ""
// where it must refuse; factdigits' answer is checked by factok instead.
string owed(const string& name, const string& in, ll N) {
  vector<ll> x = numbers(in);
  size_t k = 0;
  bool ok = true;  // every number taken so far was there and within [lo, hi]
  auto take = [&](ll lo, ll hi) { ok = ok && k < x.size() && x[k] >= lo && x[k] <= hi; return ok ? x[k++] : 0; };
  if (name == "splitpath") {
    ll n = take(0, N - 1), m = take(0, INT32_MAX);
    vector<ll> T;
    Edges edges;
    while (ok && ll(T.size()) < n) T.push_back(take(0, INT32_MAX));
    while (ok && ll(edges.size()) < m) edges.push_back({take(0, n - 1), take(0, n - 1), take(0, INT32_MAX)});
    return ok ? to_string(pairs(T, edges)) + "\n" : "";
  }
  ll n = take(0, N), m = take(0, INT32_MAX);
  vector<pair<int, int>> edges;
  while (ok && ll(edges.size()) < m) edges.push_back({int(take(0, N - 1)), int(take(0, N - 1))});
  return ok ? to_string(walk(n, edges)) + "\n" : "";
}

// factdigits' number: the stream extraction the program uses, into 64 bits (an
// out-of-range number keeps its bound); false where there is no integer.
bool first(const string& in, ll& n) {
  istringstream s(in);
  s >> n;
  return !s.fail() || n == LLONG_MAX || n == LLONG_MIN;
}

// Replays inputs (fuzzer findings) through prog, the program name built with N vertex
// slots, and checks each run against the oracles: the owed answer and nothing on
// standard error, or a refusal: status 1, no output, one line on standard error naming it.
void replay(const string& name, const string& prog, char** files, int count) {
  for (int f = 0; f < count; f++) {
    string in = slurp(files[f]), want;
    ll n = 0;
    bool answers = name == "factdigits" ? first(in, n) : !(want = owed(name, in, N)).empty();
    Run r = run(prog, in);
    bool ok = answers ? r.status == 0 && r.err.empty() && (name == "factdigits" ? factok(n, r.out) : r.out == want)
                      : r.status == 1 && r.out.empty() && r.err.rfind(name + ": ", 0) == 0 &&
                            r.err.find('\n') == r.err.size() - 1;
    expect(ok, files[f], "  stdout: [" + r.out.substr(0, 200) + "] want [" + (answers ? want : "a refusal") +
                             "]\n  stderr: [" + r.err.substr(0, 300) + "]\n  status: " + to_string(r.status));
  }
}

// Whether a run ended before the program's own code ran: the loader (status 127) or
// the UB-check runtime could not set up ("==PID==ERROR: ...Sanitizer failed to
// allocate ...", from clang 19 on "...Sanitizer: out of memory: failed to allocate
// ... of SetAlternateSignalStack"; a report of the program's own faults reads otherwise).
bool before_main(const Run& r) {
  auto has = [&](const char* s) { return r.err.find(s) != string::npos; };
  return r.out.empty() && (r.status == 127 || (r.err.rfind("==", 0) == 0 && (has("Sanitizer failed to allocate") ||
                                                                              has("Sanitizer: out of memory: failed to allocate"))));
}

// Running out of memory ends with "PROG: out of memory" and status 1, never an
// abort. From the least address space (KiB) in which the program shows its own
// behaviour (it answers, says it ran out, or the C++ runtime aborts), step up 4 KiB
// at a time until it has answered 25 times: every run must answer as without a limit
// or refuse so, and both must occur. The input needs more than a UB-check runtime
// frees after its start-up, so the program can run out past the start. Runs that end
// before the program's code (before_main) are skipped and counted. Last, a graph
// program gets 2M edges in 8 MiB more.
void oom(const string& prog) {
  // qemu reserves the guest's whole address space up front; ASan cannot start at all.
  if (!emulator.empty() || run(prog, "0 0\n", 3 << 20).status) {
    cout << "skipped: " << (!emulator.empty() ? "the emulator reserves 4 GiB: a smaller limit stops it, a larger one binds nothing\n"
                                     : "does not run under an address-space limit\n");
    exit(77);
  }
  string name = prog.substr(prog.rfind('/') + 1);
  if (name != "factdigits" && !N) cerr << "oom: a graph program needs BITS\n", exit(2);
  bool split = name == "splitpath";
  auto graph = [&](int n, int m) {
    ostringstream s;
    s << n << " " << m << "\n";
    for (int v = 0; split && v < n; v++) s << rnd(0, 9) << " ";
    for (int e = 0; e < m; e++) s << rnd(0, n - 1) << " " << rnd(0, n - 1) << (split ? " 1\n" : "\n");
    return s.str();
  };
  int n = min(1000LL, N - 1);  // as many vertices as the capacity allows, up to 1000
  string in = name == "factdigits" ? "2147483647\n" : graph(n, 10000);
  Run full = run(prog, in), zero = run(prog, "0 0\n"), refused{"", name + ": out of memory\n", 1};
  expect(full.status == 0 && full.err.empty(), "without a limit", full.err);
  auto same = [](const Run& a, const Run& b) { return a.out == b.out && a.err == b.err && a.status == b.status; };
  auto starts = [&](rlim_t kib) {
    Run r = run(prog, "0 0\n", kib);
    return same(r, zero) || same(r, refused) || r.status == 128 + SIGABRT;
  };
  rlim_t lo = 1, hi = 3 << 20;  // it starts in hi KiB but not in lo
  while (hi - lo > 1) (starts((lo + hi) / 2) ? hi : lo) = (lo + hi) / 2;
  int answered = 0, ran_out = 0, skipped = 0;
  for (rlim_t kib = hi; answered < 25 && kib < hi + 4096; kib += 4) {
    Run r = run(prog, in, kib);
    if (before_main(r)) { skipped++; continue; }
    answered += same(r, full), ran_out += same(r, refused);
    expect(same(r, full) || same(r, refused), name + " in " + to_string(kib) + " KiB",
           "  stderr: [" + r.err.substr(0, 200) + "]\n  status: " + to_string(r.status));
  }
  cout << "from " << hi << " KiB: answered " << answered << ", ran out " << ran_out << ", skipped " << skipped
       << " that ended before the program's code\n";
  expect(answered && ran_out, "both outcomes", "  answered " + to_string(answered) + ", ran out " + to_string(ran_out));
  if (name != "factdigits") compare(prog, "out of memory", graph(n, 2000000), refused, hi + 8192);
}

int main(int argc, char** argv) {
  string mode = argc > 2 ? argv[1] : "", name = mode == "replay" ? argv[2] : "";
  int at = name.empty() ? 3 : 4;  // the argument after PROGRAM
  bool random = mode == "splitpath" || mode == "treedist" || mode == "factdigits";
  bool bits = mode == "splitpath" || mode == "treedist" || mode.find("-full") != string::npos || mode == "replay" ||
              (mode == "oom" && argc > at);
  if (bits && argc > at) N = 1LL << atoi(argv[at++]);
  if (random && argc == at + 2) part = atoi(argv[at]), parts = atoi(argv[at + 1]);
  map<string, function<void()>> modes{{"splitpath", [&] { splitpath(argv[2]); }},
                                      {"splitpath-full", [&] { splitpath_full(argv[2]); }},
                                      {"treedist", [&] { treedist(argv[2]); }},
                                      {"treedist-full", [&] { treedist_full(argv[2]); }},
                                      {"factdigits", [&] { factdigits(argv[2]); }},
                                      {"oom", [&] { oom(argv[2]); }},
                                      {"cases", [&] { cases(argv[2], argc > 3 ? argv[3] : ""); }},
                                      {"seeds", [&] { cases("", argv[2], argc > 3 ? argv[3] : "case"), exit(0); }},
                                      {"replay", [&] { replay(name, argv[3], argv + at, argc - at); }}};
  istringstream es(getenv("EMULATOR") ? getenv("EMULATOR") : "");
  for (string w; getline(es, w, ';');) emulator.push_back(w);
  bool known = name.empty() || name == "splitpath" || name == "treedist" || name == "factdigits";
  if (!modes.count(mode) || !known || (bits && !N)) { cerr << "usage: see the first lines of tests/check.cpp\n"; return 2; }
  modes[mode]();
  cout << passed << " passed, " << failed << " failed\n";
  return failed || !passed ? 1 : 0;
}
