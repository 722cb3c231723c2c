#include "batch/copyfrontend.h"

#include "core/pictures/copypictures.h"
#include "core/pictures/picturedirectory.h"
#include "core/pictures/sortinglist.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace pagoranto {

namespace {

enum CopyStatus { allCopied = 0, usageError = 2, notAllCopied = 3, someRenamed = 5 };

struct Result {
    CopyOutcome outcome = CopyOutcome::failed;
    std::string error;
};

} // namespace

int RunBatchCopy(const CopyArguments &args)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::is_directory(args.pictures, error)) {
        std::fprintf(stderr, "pagoranto-batch: no picture directory %s\n", args.pictures.c_str());
        return usageError;
    }
    if (!fs::is_directory(args.destination, error)) {
        std::fprintf(stderr, "pagoranto-batch: no destination directory %s\n",
                     args.destination.c_str());
        return usageError;
    }

    CopyJob job;
    job.pictureDir = args.pictures;
    job.destinationDir = args.destination;
    job.naming = args.naming;
    job.overwrite = args.overwrite;
    job.resize = args.resize;
    if (!args.list.empty()) {
        const SortingListResult list = LoadSortingList(args.list);
        // Refused entries are named and left out; only a list that cannot be read stops.
        if (!list.ok)
            std::fprintf(stderr, "pagoranto-batch: %s\n", list.error.c_str());
        if (!list.opened)
            return usageError;
        job.pictures = list.names;
    } else {
        std::string dir = job.pictureDir.string();
        if (dir.back() != '/')
            dir += '/';
        job.pictures = ListPictureFiles(dir);
    }

    int copyNumber = args.startNumber - 1;
    const std::vector<PlannedCopy> plan = PlanCopies(job, copyNumber);
    std::vector<Result> results(plan.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < plan.size(); i = next++)
            results[i].outcome = CopyPlanned(job, plan[i], results[i].error);
    };
    const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t workers = std::min<std::size_t>(
        plan.size(), args.jobs > 0 ? static_cast<std::size_t>(args.jobs) : processors);
    std::vector<std::thread> threads;
    for (std::size_t t = 1; t < workers; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread &thread : threads)
        thread.join();

    int status = allCopied;
    const auto worsen = [&status](CopyStatus to) {
        if (status != notAllCopied)
            status = to;
    };
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const std::string destination = (job.destinationDir / plan[i].newName).string();
        if (!plan[i].clashingName.empty() && results[i].outcome != CopyOutcome::failed) {
            std::fprintf(
                stderr, "pagoranto-batch: %s copied as %s: an earlier picture's copy is %s\n",
                plan[i].picture.c_str(), plan[i].newName.c_str(), plan[i].clashingName.c_str());
            worsen(someRenamed);
        }
        switch (results[i].outcome) {
        case CopyOutcome::copied:
            if (job.resize) {
                std::fprintf(stderr, "pagoranto-batch: %s copied without resizing: %s\n",
                             plan[i].picture.c_str(), results[i].error.c_str());
                worsen(notAllCopied);
            }
            std::printf("%s\n", destination.c_str());
            break;
        case CopyOutcome::unreadable:
            std::fprintf(stderr, "pagoranto-batch: %s cannot be read (%s), copied as it is%s\n",
                         plan[i].picture.c_str(), results[i].error.c_str(),
                         job.resize ? " without resizing" : "");
            if (job.resize)
                worsen(notAllCopied);
            std::printf("%s\n", destination.c_str());
            break;
        case CopyOutcome::resized:
            std::printf("%s\n", destination.c_str());
            break;
        case CopyOutcome::existing:
            std::fprintf(stderr, "pagoranto-batch: %s exists, left as it was\n",
                         destination.c_str());
            break;
        case CopyOutcome::failed:
            std::fprintf(stderr, "pagoranto-batch: %s not copied: %s\n", plan[i].picture.c_str(),
                         results[i].error.c_str());
            worsen(notAllCopied);
            break;
        }
    }
    return status;
}

} // namespace pagoranto
