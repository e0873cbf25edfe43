#include "core/work_progress.h"

#include <utility>

namespace quillor {

namespace {
thread_local WorkProgress* current = nullptr;
}  // namespace

WorkProgress::WorkProgress(std::function<void(int percent)> receiver)
    : receiver_(std::move(receiver)), outer_(current) {
    current = this;
}

WorkProgress::~WorkProgress() { current = outer_; }

void WorkProgress::Report(int done, int total) {
    if (total <= 0 || !receiver_) return;
    if (done < 0) done = 0;
    if (done > total) done = total;
    // Passes nest inside one another's share: pass i of n covers [i/n, (i+1)/n).
    const long long scaled = (static_cast<long long>(passIndex_) * total + done) * 100;
    const int percent = static_cast<int>(scaled / (static_cast<long long>(passCount_) * total));
    if (percent <= percent_) return;
    percent_ = percent;
    receiver_(percent);
}

void ReportRows(int done, int total) {
    if (current != nullptr) current->Report(done, total);
}

ProgressPass::ProgressPass(int index, int count) {
    if (current == nullptr || count < 1 || index < 0 || index >= count) return;
    progress_ = current;
    savedIndex_ = current->passIndex_;
    savedCount_ = current->passCount_;
    // A pass inside a pass splits the outer pass's share.
    current->passIndex_ = savedIndex_ * count + index;
    current->passCount_ = savedCount_ * count;
}

ProgressPass::~ProgressPass() {
    if (progress_ == nullptr) return;
    progress_->passIndex_ = savedIndex_;
    progress_->passCount_ = savedCount_;
}

}  // namespace quillor
