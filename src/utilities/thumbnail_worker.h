#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "utilities/thumbnail_image.h"

namespace quillor {

struct ThumbnailJob {
    std::uint64_t generation = 0;  // whose request it was; handed back with the result
    int index = 0;
    std::string path;
    ThumbnailBox box;
};

struct FinishedThumbnail {
    std::uint64_t generation = 0;
    int index = 0;
    ThumbnailResult result;
};

// Makes thumbnails on threads of its own, so the window that shows them stays free to
// scroll and close. Jobs run in the order asked; a new request replaces whatever is still
// waiting. Results are kept in a cache keyed by path and the box they were made for, and
// are valid for as long as the file keeps its modification time, size and identity, so
// paging back costs nothing and a changed file is made again. The cache drops the least
// recently used thumbnails beyond its byte budget.
//
// Destroying the worker never waits for a decode under way: the threads are told to stop,
// a JPEG decode breaks off within a few lines, and whatever else is being read finishes
// on its own and is thrown away.
class ThumbnailWorker {
public:
    using Maker = std::function<ThumbnailResult(const std::string& path, ThumbnailBox box,
                                                const std::atomic<bool>* cancel)>;

    static constexpr std::size_t kDefaultCacheBytes = std::size_t(128) << 20;
    // One thread for every processor this program may run on but one (at least one, at
    // most four): the window keeps a processor.
    static int DefaultThreads();

    explicit ThumbnailWorker(int threads = DefaultThreads(), std::size_t cacheBytes = kDefaultCacheBytes,
                             Maker maker = {});
    ~ThumbnailWorker();
    ThumbnailWorker(const ThumbnailWorker&) = delete;
    ThumbnailWorker& operator=(const ThumbnailWorker&) = delete;

    // Replaces the waiting jobs by `jobs`, to be done in the order given.
    void Request(std::vector<ThumbnailJob> jobs);
    // Drops every waiting job; a job under way still finishes.
    void CancelPending();

    // The thumbnail made for the file as it is on disk now, when the cache has it.
    std::optional<ThumbnailResult> Cached(const std::string& path, ThumbnailBox box);

    // The results finished since the last call, in the order they were finished.
    std::vector<FinishedThumbnail> TakeFinished();
    // Waits until a result is ready to take (true) or the time is up.
    bool WaitForFinished(std::chrono::milliseconds timeout);
    // True when no job waits and none is under way.
    bool Idle() const;
    bool WaitUntilIdle(std::chrono::milliseconds timeout);

    // Thumbnails made by reading their files (cache hits not counted).
    std::uint64_t Made() const;
    std::size_t CachedBytes() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

}  // namespace quillor
