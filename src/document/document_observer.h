#pragma once

#include <algorithm>
#include <vector>

namespace quillor {

class CAnimDoc;

// What a view hears from its document. Every handler has an empty default, so a view
// listens only to what it needs.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    // The pixels of one frame, or of every frame when `frameIndex` is -1, changed.
    virtual void OnFramesChanged(CAnimDoc&, int /*frameIndex*/) {}
    // The title (path, current frame, colour mode) changed.
    virtual void OnTitleChanged(CAnimDoc&) {}
    // Frames were added, removed or renumbered.
    virtual void OnFrameListChanged(CAnimDoc&) {}
    // The foreground or background colour, or an entry of the colour table, changed.
    virtual void OnColoursChanged(CAnimDoc&) {}
};

// The observers of one document. A Subscription unsubscribes when it goes out of scope,
// so a view that is destroyed can never be called again.
class ObserverList {
public:
    class Subscription {
    public:
        Subscription() = default;
        Subscription(ObserverList* list, DocumentObserver* observer) : list_(list), observer_(observer) {}
        Subscription(Subscription&& o) noexcept : list_(o.list_), observer_(o.observer_) { o.list_ = nullptr; }
        Subscription& operator=(Subscription&& o) noexcept {
            if (this != &o) {
                Reset();
                list_ = o.list_;
                observer_ = o.observer_;
                o.list_ = nullptr;
            }
            return *this;
        }
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        ~Subscription() { Reset(); }
        void Reset() {
            if (list_) list_->Remove(observer_);
            list_ = nullptr;
        }

    private:
        ObserverList* list_ = nullptr;
        DocumentObserver* observer_ = nullptr;
    };

    Subscription Add(DocumentObserver& observer) {
        observers_.push_back(&observer);
        return Subscription(this, &observer);
    }
    template <typename F>
    void ForEach(F&& f) const {
        // A handler may unsubscribe (a view closing itself); walk a copy.
        const std::vector<DocumentObserver*> copy = observers_;
        for (DocumentObserver* o : copy)
            if (std::find(observers_.begin(), observers_.end(), o) != observers_.end()) f(*o);
    }
    std::size_t Size() const { return observers_.size(); }

private:
    void Remove(DocumentObserver* observer) {
        observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
    }
    std::vector<DocumentObserver*> observers_;
};

}  // namespace quillor
