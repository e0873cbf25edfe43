#include "utilities/thumbnail_worker.h"

#include <sched.h>
#include <sys/stat.h>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <list>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "utilities/thumbnail_maker.h"

namespace quillor {

namespace {

// What says a file is still the one a thumbnail was made from.
struct FileStamp {
    std::int64_t modifiedNs = 0;
    std::int64_t size = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileStamp{std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
                     std::int64_t(info.st_size), std::uint64_t(info.st_dev), std::uint64_t(info.st_ino)};
}

std::string CacheKey(const std::string& path, ThumbnailBox box) {
    std::string key = path;
    key.push_back('\0');
    char bits[sizeof box.width + sizeof box.height];
    std::memcpy(bits, &box.width, sizeof box.width);
    std::memcpy(bits + sizeof box.width, &box.height, sizeof box.height);
    key.append(bits, sizeof bits);
    return key;
}

std::size_t BytesOf(const ThumbnailResult& result) {
    return 64 + (result.image ? result.image->bgr.size() : 0);
}

}  // namespace

struct ThumbnailWorker::Shared {
    struct CacheEntry {
        FileStamp stamp;
        ThumbnailResult result;
        std::list<std::string>::iterator use;
    };

    Maker maker;
    std::size_t cacheBudget = 0;
    std::atomic<bool> stopping{false};

    mutable std::mutex mutex;
    std::condition_variable jobsChanged;
    std::condition_variable resultsChanged;
    std::deque<ThumbnailJob> jobs;
    std::vector<FinishedThumbnail> finished;
    int busy = 0;
    std::uint64_t made = 0;
    std::unordered_map<std::string, CacheEntry> cache;
    std::list<std::string> uses;  // most recent first
    std::size_t cachedBytes = 0;

    // Under the lock.
    const ThumbnailResult* Find(const std::string& key, const FileStamp& stamp) {
        const auto it = cache.find(key);
        if (it == cache.end() || !(it->second.stamp == stamp)) return nullptr;
        uses.splice(uses.begin(), uses, it->second.use);
        return &it->second.result;
    }

    // Under the lock.
    void Keep(const std::string& key, const FileStamp& stamp, const ThumbnailResult& result) {
        const auto old = cache.find(key);
        if (old != cache.end()) {
            cachedBytes -= BytesOf(old->second.result);
            uses.erase(old->second.use);
            cache.erase(old);
        }
        uses.push_front(key);
        cache.emplace(key, CacheEntry{stamp, result, uses.begin()});
        cachedBytes += BytesOf(result);
        while (cachedBytes > cacheBudget && uses.size() > 1) {
            const auto last = cache.find(uses.back());
            cachedBytes -= BytesOf(last->second.result);
            cache.erase(last);
            uses.pop_back();
        }
    }

    void Run() {
        std::unique_lock lock(mutex);
        while (true) {
            jobsChanged.wait(lock, [this] { return stopping || !jobs.empty(); });
            if (stopping) return;
            ThumbnailJob job = std::move(jobs.front());
            jobs.pop_front();
            ++busy;
            lock.unlock();

            const std::string key = CacheKey(job.path, job.box);
            const std::optional<FileStamp> stamp = StampOf(job.path);
            std::optional<ThumbnailResult> result;
            if (stamp) {
                lock.lock();
                if (const ThumbnailResult* hit = Find(key, *stamp)) result = *hit;
                lock.unlock();
            }
            bool fresh = false;
            if (!result) {
                result = maker(job.path, job.box, &stopping);
                fresh = true;
            }

            lock.lock();
            --busy;
            if (stopping) return;
            // A decode broken off leaves nothing to keep.
            if (result->state != ThumbnailState::Pending) {
                if (fresh) {
                    ++made;
                    if (stamp) Keep(key, *stamp, *result);
                }
                finished.push_back({job.generation, job.index, std::move(*result)});
            }
            resultsChanged.notify_all();
        }
    }
};

int ThumbnailWorker::DefaultThreads() {
    cpu_set_t set;
    CPU_ZERO(&set);
    int processors = 1;
    if (sched_getaffinity(0, sizeof set, &set) == 0) processors = CPU_COUNT(&set);
    return std::clamp(processors - 1, 1, 4);
}

ThumbnailWorker::ThumbnailWorker(int threads, std::size_t cacheBytes, Maker maker)
    : shared_(std::make_shared<Shared>()) {
    shared_->maker = maker ? std::move(maker) : Maker(MakeThumbnail);
    shared_->cacheBudget = cacheBytes;
    for (int i = 0; i < std::max(1, threads); ++i) {
        // Each thread keeps the shared state alive, so it may outlive this object.
        std::thread([shared = shared_] { shared->Run(); }).detach();
    }
}

ThumbnailWorker::~ThumbnailWorker() {
    std::lock_guard lock(shared_->mutex);
    shared_->stopping = true;
    shared_->jobs.clear();
    shared_->jobsChanged.notify_all();
}

void ThumbnailWorker::Request(std::vector<ThumbnailJob> jobs) {
    std::lock_guard lock(shared_->mutex);
    shared_->jobs.assign(std::make_move_iterator(jobs.begin()), std::make_move_iterator(jobs.end()));
    shared_->jobsChanged.notify_all();
}

void ThumbnailWorker::CancelPending() {
    std::lock_guard lock(shared_->mutex);
    shared_->jobs.clear();
    shared_->resultsChanged.notify_all();
}

std::optional<ThumbnailResult> ThumbnailWorker::Cached(const std::string& path, ThumbnailBox box) {
    const std::optional<FileStamp> stamp = StampOf(path);
    if (!stamp) return std::nullopt;
    std::lock_guard lock(shared_->mutex);
    if (const ThumbnailResult* hit = shared_->Find(CacheKey(path, box), *stamp)) return *hit;
    return std::nullopt;
}

std::vector<FinishedThumbnail> ThumbnailWorker::TakeFinished() {
    std::lock_guard lock(shared_->mutex);
    std::vector<FinishedThumbnail> taken;
    taken.swap(shared_->finished);
    return taken;
}

bool ThumbnailWorker::WaitForFinished(std::chrono::milliseconds timeout) {
    std::unique_lock lock(shared_->mutex);
    return shared_->resultsChanged.wait_for(lock, timeout, [this] { return !shared_->finished.empty(); });
}

bool ThumbnailWorker::Idle() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->jobs.empty() && shared_->busy == 0;
}

bool ThumbnailWorker::WaitUntilIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(shared_->mutex);
    return shared_->resultsChanged.wait_for(lock, timeout,
                                            [this] { return shared_->jobs.empty() && shared_->busy == 0; });
}

std::uint64_t ThumbnailWorker::Made() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->made;
}

std::size_t ThumbnailWorker::CachedBytes() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->cachedBytes;
}

}  // namespace quillor
