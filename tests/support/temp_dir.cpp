#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempDir::TempDir(Keep keep) : keep_(keep) {
    std::string pattern = (std::filesystem::temp_directory_path() / "velorine-test-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    if (keep_ == Keep::No) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

std::string readFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        ADD_FAILURE() << "cannot write " << path;
    }
}

FileSizeLimit::FileSizeLimit(long long limit) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    oldSoft_ = static_cast<long long>(old.rlim_cur);
    oldHard_ = static_cast<long long>(old.rlim_max);
    std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
    rlimit lowered{static_cast<rlim_t>(limit), old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit old{static_cast<rlim_t>(oldSoft_), static_cast<rlim_t>(oldHard_)};
    setrlimit(RLIMIT_FSIZE, &old);
}
