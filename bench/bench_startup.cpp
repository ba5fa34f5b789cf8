// Starts the utility's window (bench_window_startup) and an empty QMainWindow
// (bench_empty_window) in turn, several times each, on whatever display QT_QPA_PLATFORM and
// DISPLAY name (the benchmark script runs it under Xvfb). For each it takes the time from just
// before the process is started to the end of its first painted frame, and the process's peak
// memory (maximum resident set size, from wait4), and the processor time it used on the way
// (user and system, from wait4), which other work on a shared machine moves much less than the
// time. For comparison it also starts the window with the serial port list left out
// (KEYLON2_BENCH_NO_PORTS). Prints the medians; asserts nothing.
//
//   bench_startup [RUNS]      (default 9)
//
// Output: figure <key> <unit> <median> <floor> <runs> <min> <max> <what>, and a note line with
// the medians of the start-up's phases.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Sample
{
    double mainMs = -1;         // main() reached
    double constructedMs = -1;  // QApplication and the window made
    double paintMs = -1;        // first frame painted
    double rssKb = -1;
    double cpuMs = -1;
};

double valueAfter(const std::string &text, const std::string &label)
{
    const auto at = text.find(label + " ");
    return at == std::string::npos ? -1 : std::atof(text.c_str() + at + label.size() + 1);
}

long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// language: the messages' language the window is started in; empty for English.
bool runOnce(const std::string &program, Sample *sample, bool noPorts = false, const char *language = "")
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    setenv("KEYLON2_BENCH_T0_NS", std::to_string(monotonicNs()).c_str(), 1);
    if (noPorts)
        setenv("KEYLON2_BENCH_NO_PORTS", "1", 1);
    else
        unsetenv("KEYLON2_BENCH_NO_PORTS");
    unsetenv("LANGUAGE");
    unsetenv("LC_ALL");
    setenv("LC_MESSAGES", *language ? language : "C.UTF-8", 1);
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage {};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    sample->mainMs = valueAfter(text, "main-ms");
    sample->constructedMs = valueAfter(text, "constructed-ms");
    sample->paintMs = valueAfter(text, "first-paint-ms");
    if (sample->paintMs < 0)
        return false;
    sample->rssKb = double(usage.ru_maxrss);
    sample->cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void print(const char *key, const char *unit, const std::vector<double> &measured,
           const std::vector<double> &floor, const char *what)
{
    std::printf("figure %s %s %.1f %.1f %zu %.1f %.1f %s\n", key, unit, median(measured),
                median(floor), measured.size(), *std::min_element(measured.begin(), measured.end()),
                *std::max_element(measured.begin(), measured.end()), what);
}

}  // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::string dir = argv[0];
    dir = dir.find('/') == std::string::npos ? std::string(".") : dir.substr(0, dir.rfind('/'));
    const std::string window = dir + "/bench_window_startup";
    const std::string empty = dir + "/bench_empty_window";

    std::vector<double> windowMs, emptyMs, windowKb, emptyKb, windowCpu, emptyCpu;
    std::vector<double> windowMain, emptyMain, windowMade, emptyMade, noPortsMs, noPortsMade, germanMs;
    // One of each first, not counted: it fills the page cache and starts the display's caches.
    Sample warm;
    if (!runOnce(empty, &warm) || !runOnce(window, &warm)) {
        std::fprintf(stderr, "bench_startup: %s or %s did not paint (is there a display?)\n",
                     window.c_str(), empty.c_str());
        return 1;
    }
    for (int run = 0; run < runs; ++run) {
        Sample w, e, n, g;
        if (!runOnce(empty, &e) || !runOnce(window, &w) || !runOnce(window, &n, true)
            || !runOnce(window, &g, false, "de_DE.UTF-8")) {
            std::fprintf(stderr, "bench_startup: run %d failed\n", run + 1);
            return 1;
        }
        windowMs.push_back(w.paintMs);
        emptyMs.push_back(e.paintMs);
        windowKb.push_back(w.rssKb);
        emptyKb.push_back(e.rssKb);
        windowCpu.push_back(w.cpuMs);
        emptyCpu.push_back(e.cpuMs);
        windowMain.push_back(w.mainMs);
        emptyMain.push_back(e.mainMs);
        windowMade.push_back(w.constructedMs);
        emptyMade.push_back(e.constructedMs);
        noPortsMs.push_back(n.paintMs);
        noPortsMade.push_back(n.constructedMs);
        germanMs.push_back(g.paintMs);
    }
    // Where the time goes (medians): loading until main(), making the application and the
    // window, showing it until the first frame.
    std::printf("note start-up, median ms since the process was started (window / empty / window "
                "without the port list): main() reached %.1f / %.1f / -, application and window "
                "made %.1f / %.1f / %.1f, first frame %.1f / %.1f / %.1f\n",
                median(windowMain), median(emptyMain), median(windowMade), median(emptyMade),
                median(noPortsMade), median(windowMs), median(emptyMs), median(noPortsMs));
    print("startup.paint", "ms", windowMs, emptyMs, "window start-up to first paint");
    print("startup.rss", "KiB", windowKb, emptyKb, "window peak memory (max RSS)");
    print("startup.cpu", "ms", windowCpu, emptyCpu, "processor time up to the first paint (user + system)");
    print("startup.paint.noports", "ms", noPortsMs, emptyMs,
          "for comparison: the same, the serial port list left out");
    // Its floor is the window in English: what loading a language (ours and Qt's) costs.
    print("startup.language", "ms", germanMs, windowMs, "window start-up to first paint in German");
    return 0;
}
