// The thumbnail worker: order, replacing and cancelling waiting work, the cache and when
// it lets a thumbnail go, and a destructor that never waits for a decode.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "browser_pictures.h"
#include "support/temp_dir.h"
#include "utilities/thumbnail_maker.h"
#include "utilities/thumbnail_worker.h"

namespace quillor {
namespace {

using namespace std::chrono_literals;
using testing::TempDir;

// Holds every thumbnail being made until the test opens it, and counts who came.
struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    std::vector<std::string> entered;

    void Open() {
        std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }
    bool WaitForEntered(std::size_t count) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 10s, [&] { return entered.size() >= count; });
    }
};

ThumbnailWorker::Maker GatedMaker(std::shared_ptr<Gate> gate) {
    return [gate](const std::string& path, ThumbnailBox, const std::atomic<bool>*) {
        std::unique_lock lock(gate->mutex);
        gate->entered.push_back(path);
        gate->changed.notify_all();
        gate->changed.wait(lock, [&] { return gate->open; });
        ThumbnailResult result;
        result.state = ThumbnailState::Unreadable;
        return result;
    };
}

std::vector<ThumbnailJob> Jobs(const TempDir& dir, int count, ThumbnailBox box = {50, 50}) {
    std::vector<ThumbnailJob> jobs;
    for (int i = 0; i < count; ++i) jobs.push_back({1, i, dir.File("f" + std::to_string(i) + ".bmp"), box});
    return jobs;
}

std::vector<int> Indices(const std::vector<FinishedThumbnail>& finished) {
    std::vector<int> indices;
    for (const FinishedThumbnail& f : finished) indices.push_back(f.index);
    return indices;
}

TEST(ThumbnailWorker, DoesJobsInTheOrderAsked) {
    TempDir dir;
    for (int i = 0; i < 6; ++i) testing::WriteSolid(dir.File("f" + std::to_string(i) + ".bmp"), 8, 8, 0, 0, std::uint8_t(i));
    ThumbnailWorker worker(1);
    std::vector<ThumbnailJob> jobs = Jobs(dir, 6);
    std::swap(jobs[0], jobs[4]);
    worker.Request(jobs);
    ASSERT_TRUE(worker.WaitUntilIdle(10s));
    const std::vector<FinishedThumbnail> finished = worker.TakeFinished();
    EXPECT_EQ(Indices(finished), (std::vector<int>{4, 1, 2, 3, 0, 5}));
    for (const FinishedThumbnail& f : finished) {
        ASSERT_EQ(f.result.state, ThumbnailState::Ready);
        EXPECT_EQ(f.result.image->bgr[0], f.index) << "the thumbnail of another file";
    }
    EXPECT_TRUE(worker.TakeFinished().empty());
}

TEST(ThumbnailWorker, ANewRequestReplacesTheWaitingJobsAndCancelDropsThem) {
    TempDir dir;
    auto gate = std::make_shared<Gate>();
    ThumbnailWorker worker(1, ThumbnailWorker::kDefaultCacheBytes, GatedMaker(gate));
    worker.Request(Jobs(dir, 20));
    ASSERT_TRUE(gate->WaitForEntered(1));
    // The page moved while the first thumbnail was being made.
    std::vector<ThumbnailJob> later = Jobs(dir, 20);
    worker.Request({later[17], later[18]});
    gate->Open();
    ASSERT_TRUE(worker.WaitUntilIdle(10s));
    EXPECT_EQ(Indices(worker.TakeFinished()), (std::vector<int>{0, 17, 18}));

    auto second = std::make_shared<Gate>();
    ThumbnailWorker cancelled(1, ThumbnailWorker::kDefaultCacheBytes, GatedMaker(second));
    cancelled.Request(Jobs(dir, 20));
    ASSERT_TRUE(second->WaitForEntered(1));
    cancelled.CancelPending();
    EXPECT_FALSE(cancelled.Idle());
    second->Open();
    ASSERT_TRUE(cancelled.WaitUntilIdle(10s));
    EXPECT_EQ(Indices(cancelled.TakeFinished()), (std::vector<int>{0}));
    EXPECT_EQ(cancelled.Made(), 1u);
    EXPECT_EQ(second->entered.size(), 1u);
}

TEST(ThumbnailWorker, DestroyingItDoesNotWaitForAThumbnailBeingMade) {
    TempDir dir;
    auto gate = std::make_shared<Gate>();
    auto worker = std::make_unique<ThumbnailWorker>(2, ThumbnailWorker::kDefaultCacheBytes, GatedMaker(gate));
    worker->Request(Jobs(dir, 50));
    ASSERT_TRUE(gate->WaitForEntered(2));
    std::atomic<bool> destroyed{false};
    std::thread closing([&] {
        worker.reset();
        destroyed = true;
    });
    for (int i = 0; i < 500 && !destroyed; ++i) std::this_thread::sleep_for(10ms);
    const bool returned = destroyed;
    // Let the two decodes end (and the thread join) whatever happened.
    gate->Open();
    closing.join();
    EXPECT_TRUE(returned) << "the destructor waited for the decodes under way";
    std::this_thread::sleep_for(20ms);
    std::lock_guard lock(gate->mutex);
    EXPECT_EQ(gate->entered.size(), 2u) << "jobs went on after the worker was destroyed";
}

TEST(ThumbnailWorker, TheCacheServesAFileUntilItChanges) {
    TempDir dir;
    const std::string path = dir.File("f0.bmp");
    testing::WriteSolid(path, 40, 30, 0, 0, 100);
    ThumbnailWorker worker(1);
    const ThumbnailBox box{50, 50};
    EXPECT_FALSE(worker.Cached(path, box));
    worker.Request(Jobs(dir, 1));
    ASSERT_TRUE(worker.WaitUntilIdle(10s));
    const std::vector<FinishedThumbnail> first = worker.TakeFinished();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(worker.Made(), 1u);

    // Asked again (paging back): from the cache, the very same picture.
    worker.Request(Jobs(dir, 1));
    ASSERT_TRUE(worker.WaitUntilIdle(10s));
    const std::vector<FinishedThumbnail> again = worker.TakeFinished();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].result.image, first[0].result.image);
    EXPECT_EQ(worker.Made(), 1u);
    ASSERT_TRUE(worker.Cached(path, box));
    EXPECT_EQ(worker.Cached(path, box)->image, first[0].result.image);
    EXPECT_FALSE(worker.Cached(path, {50, 40})) << "a thumbnail of another size";

    // Rewritten in place with the same size, only the time tells.
    COXDIB other;
    testing::MakeSolid24(other, 40, 30, 0, 0, 200);
    testing::WritePicture(dir.File("other.bmp"), other);
    testing::WriteBytes(path, testing::ReadBytes(dir.File("other.bmp")));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    const timespec times[2] = {info.st_atim, {info.st_mtim.tv_sec + 5, info.st_mtim.tv_nsec}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_FALSE(worker.Cached(path, box));
    worker.Request(Jobs(dir, 1));
    ASSERT_TRUE(worker.WaitUntilIdle(10s));
    const std::vector<FinishedThumbnail> changed = worker.TakeFinished();
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(worker.Made(), 2u);
    EXPECT_EQ(changed[0].result.image->bgr[0], 200);

    // A different length is a change too.
    testing::WriteSolid(path, 41, 30, 0, 0, 50);
    EXPECT_FALSE(worker.Cached(path, box));
}

TEST(ThumbnailWorker, TheCacheLetsTheLeastRecentlyUsedGoBeyondItsBudget) {
    TempDir dir;
    for (int i = 0; i < 3; ++i) testing::WriteSolid(dir.File("f" + std::to_string(i) + ".bmp"), 50, 50, 9, 9, 9);
    // Room for two 50 x 50 thumbnails and their bookkeeping, not three.
    ThumbnailWorker worker(1, 2 * (50 * 50 * 3 + 64) + 100);
    const std::vector<ThumbnailJob> jobs = Jobs(dir, 3);
    worker.Request({jobs[0], jobs[1]});
    ASSERT_TRUE(worker.WaitUntilIdle(10s));
    EXPECT_TRUE(worker.Cached(jobs[0].path, jobs[0].box));  // now the most recent
    worker.Request({jobs[2]});
    ASSERT_TRUE(worker.WaitUntilIdle(10s));
    EXPECT_TRUE(worker.Cached(jobs[0].path, jobs[0].box));
    EXPECT_FALSE(worker.Cached(jobs[1].path, jobs[1].box));
    EXPECT_TRUE(worker.Cached(jobs[2].path, jobs[2].box));
    EXPECT_LE(worker.CachedBytes(), 2 * (50 * 50 * 3 + 64) + 100u);
}

}  // namespace
}  // namespace quillor
