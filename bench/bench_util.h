// Timing helpers of the benchmarks: the median of repeated runs in milliseconds,
// the program's start-up measured alike everywhere, and the headless set-up.
#pragma once

#include "app/startup.h"
#include "support/fake_platform.h"
#include "support/program_folder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace noktaris::bench {

inline double medianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& measured,
                       const std::function<void()>& cleanUp)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto begin = std::chrono::steady_clock::now();
        measured();
        const auto end = std::chrono::steady_clock::now();
        cleanUp();
        times.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// With --summary a benchmark also prints each figure as a tab-separated line for
// bench/run.sh: "figure", the kind, the name, the median in milliseconds.
inline bool& summaryWanted()
{
    static bool wanted = false;
    return wanted;
}

inline void readSummaryFlag(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--summary") == 0)
            summaryWanted() = true;
}

inline void figure(const char* kind, const QString& name, double ms)
{
    if (summaryWanted())
        std::printf("figure\t%s\t%s\t%.4f\n", kind, name.toUtf8().constData(), ms);
}

// Before the application is made: headless unless a platform is named.
inline void chooseHeadlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
}

// A benchmark's surroundings: the headless application, the tests' fake platform
// and a temporary copy of the program's folder as the working directory.
struct Session {
    Session(int& argc, char** argv) : app((chooseHeadlessPlatform(), readSummaryFlag(argc, argv), argc), argv) {}
    QApplication app;
    test::FakePlatformScope fake;
    test::ProgramFolder folder;
};

// Creating the sixteen windows and the first show of the basic-mode window.
inline double startUpMs(int runs)
{
    return medianMs(
        runs, [] {}, [] { startUp(); },
        [] {
            destroyWindows();
            QCoreApplication::processEvents();
        });
}

} // namespace noktaris::bench
