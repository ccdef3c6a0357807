// The progress line, drawn with a carriage return so each update overwrites the last.
#include "progress_bar.h"

#include <cstdio>
#include <string>

#if defined(_WIN32)
#include <io.h>
#define TALVENOR_ISATTY _isatty
#define TALVENOR_FILENO _fileno
#else
#include <unistd.h>
#define TALVENOR_ISATTY isatty
#define TALVENOR_FILENO fileno
#endif

namespace {

constexpr int BarWidth = 40;
constexpr int NothingShown = -1;

bool StderrIsTerminal()
{
    return TALVENOR_ISATTY(TALVENOR_FILENO(stderr)) != 0;
}

}  // namespace

ProgressBar::ProgressBar() : ProgressBar(StderrIsTerminal()) {}

ProgressBar::ProgressBar(bool enabled) : enabled_(enabled), shownPercent_(NothingShown) {}

ProgressBar::~ProgressBar()
{
    if (enabled_ && shownPercent_ != NothingShown) {
        std::fprintf(stderr, "\r%*s\r", BarWidth + 24, "");
    }
}

void ProgressBar::Show(long done, long total)
{
    if (!enabled_ || total <= 0) return;
    const int percent = static_cast<int>(100.0 * done / total);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    const int filled = percent * BarWidth / 100;
    const std::string bar = std::string(filled, '#') + std::string(BarWidth - filled, '-');
    std::fprintf(stderr, "\rrendering [%s] %3d%%", bar.c_str(), percent);
    std::fflush(stderr);
}
