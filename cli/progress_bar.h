// ProgressBar: one line on stderr that follows the effect's progress reports,
// redrawn only when the whole percentage changes and cleared when the bar is
// destroyed. It draws only when enabled (by default: when stderr is a terminal),
// so pipes and logs never receive its control characters.
#pragma once

class ProgressBar {
public:
    ProgressBar();
    explicit ProgressBar(bool enabled);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void Show(long done, long total);

private:
    bool enabled_;
    int shownPercent_;
};
