// Header only, for the tests of damaged and crafted copies of the sample
// database: each copy is written as Parvell.mdb in a folder of the test's own
// and loaded as Parvell loads it, in a process whose memory is bounded, so
// that memory that runs away ends the test (the sanitizer build has its own
// bound, hard_rss_limit_mb).
#ifndef PARVELL_TESTS_SAMPLE_COPIES_H
#define PARVELL_TESTS_SAMPLE_COPIES_H

#include <sys/resource.h>

#include <filesystem>
#include <string>

#include <testsupport/files.h>

#include "load_as_parvell.h"

class SampleCopies {
public:
    SampleCopies()
        : sample_(read_file(std::string(SAMPLE_DIR) + "/Parvell.mdb")), home_(std::filesystem::current_path())
    {
#ifndef __SANITIZE_ADDRESS__
        const rlim_t bound = (rlim_t)4 << 30;
        const rlimit address_space{bound, bound};
        setrlimit(RLIMIT_AS, &address_space);
#endif
        std::filesystem::current_path(dir_.path());
    }
    ~SampleCopies()
    {
        std::filesystem::current_path(home_);
    }
    SampleCopies(const SampleCopies&) = delete;
    SampleCopies& operator=(const SampleCopies&) = delete;

    const std::string& sample() const
    {
        return sample_;
    }

    // What load_as_parvell answers for the copy.
    std::string load(const std::string& file)
    {
        write_file("Parvell.mdb", file);
        std::string outcome = load_as_parvell(lists_);
        lists_.free_all();
        lists_.clear();
        return outcome;
    }

private:
    std::string sample_;
    TempFolder dir_;
    std::filesystem::path home_;
    ProductLists lists_;
};

#endif
