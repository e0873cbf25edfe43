#pragma once

#include <functional>

namespace quillor {

// Long work on one picture (a conversion, a resample, a filter pass) says how far it
// has come without knowing who shows it: its loops call ReportRows, and whoever wants a
// progress bar installs a WorkProgress on the same thread for as long as the work runs.
// With nothing installed a report costs one test of a thread-local pointer, so batch
// threads and tests pay nothing.
class WorkProgress {
public:
    // `receiver` gets the share done in percent, 0 to 100, each time it grows.
    explicit WorkProgress(std::function<void(int percent)> receiver);
    ~WorkProgress();
    WorkProgress(const WorkProgress&) = delete;
    WorkProgress& operator=(const WorkProgress&) = delete;

private:
    friend void ReportRows(int done, int total);
    friend class ProgressPass;
    void Report(int done, int total);

    std::function<void(int)> receiver_;
    WorkProgress* outer_;
    int passIndex_ = 0;
    int passCount_ = 1;
    int percent_ = -1;
};

// `done` of `total` rows (or other steps) of the pass under way.
void ReportRows(int done, int total);

// Work made of several passes (build a colour tree, then map every pixel) marks each,
// so one bar fills once across them: pass `index` of `count`, counted from 0.
class ProgressPass {
public:
    ProgressPass(int index, int count);
    ~ProgressPass();
    ProgressPass(const ProgressPass&) = delete;
    ProgressPass& operator=(const ProgressPass&) = delete;

private:
    WorkProgress* progress_ = nullptr;
    int savedIndex_ = 0;
    int savedCount_ = 1;
};

}  // namespace quillor
