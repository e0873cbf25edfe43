#pragma once

#include <functional>

namespace quillor {

// The progress bar of the renaming dialogs: from 0 to the number of files a run renames.
// The dialog listens, so that the bar moves while the run still holds the thread.
class RenameProgress {
public:
    using Listener = std::function<void(int value, int maximum)>;

    int Value() const { return value_; }
    int Maximum() const { return maximum_; }
    void SetListener(Listener listener) { listener_ = std::move(listener); }

    void Start(int maximum) {
        maximum_ = maximum;
        Set(0);
    }
    void Advance() { Set(value_ + 1); }
    void Reset() { Set(0); }

private:
    void Set(int value) {
        value_ = value;
        if (listener_) listener_(value_, maximum_);
    }

    int value_ = 0;
    int maximum_ = 0;
    Listener listener_;
};

}  // namespace quillor
