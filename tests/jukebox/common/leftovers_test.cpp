// What a jukebox that died left behind is removed by a later start; what a running
// one uses, and anything else of a similar name, is not.
#include "jukebox/common/leftovers.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <set>
#include <string>

#include "jukebox/common/whole_file.h"
#include "tests/jukebox/cover/child_run.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& item : fs::directory_iterator(folder)) {
        names.insert(item.path().filename().string());
    }
    return names;
}

void makeOld(const fs::path& path) {
    const timespec times[2] = {{std::time(nullptr) - 2 * 3600, 0},
                               {std::time(nullptr) - 2 * 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// A save cut short by the end of its process (here: the file size limit's signal
// in the middle of writing) leaves its new file beside the old one; the next
// start's clean-up finds that the process is gone and removes it.
TEST(Leftovers, ASaveCutShortByItsProcessEndingIsRemovedLater) {
    TempDir dir;
    const QString file = QString::fromStdString((dir / "default.dic").string());
    ASSERT_TRUE(SaveFileWhole(file, "old"));
    FinishesInChild(
        [&] {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limit{4096, RLIM_INFINITY};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            return SaveFileWhole(file, QByteArray(65536, 'x'));
        },
        ChildLimits{});
    EXPECT_EQ(readFileBytes(dir / "default.dic"), "old");
    std::set<std::string> names = namesIn(dir.path());
    ASSERT_EQ(names.size(), 2u) << "the cut save left nothing behind";
    const std::string left = *names.begin();
    EXPECT_TRUE(left.starts_with(".velorine-") && left.ends_with(".tmp")) << left;

    EXPECT_EQ(RemoveLeftovers(QString::fromStdString(dir.path().string())), 1);
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"default.dic"});
}

TEST(Leftovers, OnlyTheExactNamesOfProcessesThatAreGoneAreRemoved) {
    TempDir dir;
    pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    const std::string gone = std::to_string(child);
    const std::string alive = std::to_string(::getpid());

    auto file = [&](const std::string& name) { writeFileBytes(dir / name, "x"); };
    auto folder = [&](const std::string& name) {
        fs::create_directories(dir / name / "skin-abc123");
        writeFileBytes(dir / name / "skin-abc123" / "spec.txt", "x");
    };
    // Removed: the process is gone, or an old name of an older version.
    file(".velorine-" + gone + "-k3j2.tmp");
    folder("velorine-skins-" + gone + "-AbC123");
    file(".velorine-5h7zq.tmp");
    makeOld(dir / ".velorine-5h7zq.tmp");
    folder("velorine-skins-Qw3rTy");
    makeOld(dir / "velorine-skins-Qw3rTy");
    // Kept: a running process's, a fresh old-style name, and near misses.
    const std::set<std::string> kept = {
        ".velorine-" + alive + "-k3j2.tmp",
        "velorine-skins-" + alive + "-AbC123",
        ".velorine-9zz.tmp",
        "velorine-skins-Zx9Zx9",
        ".velorine-" + gone + "-K3J2.tmp",
        ".velorine-" + gone + "-k3j2.tmp.bak",
        ".velorine-" + gone + "-.tmp",
        ".velorine--k3j2.tmp",
        "velorine-skins-" + gone + "-AbC12",
        "velorine-skins-" + gone + "-AbC1234",
        "velorine-skins-" + gone + "-AbC-12",
        "velorine-skins-" + gone + "-file1",
        "velorine-skins-" + gone + "-link12",
        ".velorine-" + gone + "-dir.tmp",
        "default.dic",
        "outside",
    };
    file(".velorine-" + alive + "-k3j2.tmp");
    folder("velorine-skins-" + alive + "-AbC123");
    file(".velorine-9zz.tmp");
    folder("velorine-skins-Zx9Zx9");
    for (const char* odd : {"-K3J2.tmp", "-k3j2.tmp.bak", "-.tmp"}) {
        file(".velorine-" + gone + odd);
        makeOld(dir / (".velorine-" + gone + odd));
    }
    file(".velorine--k3j2.tmp");
    makeOld(dir / ".velorine--k3j2.tmp");
    folder("velorine-skins-" + gone + "-AbC12");
    folder("velorine-skins-" + gone + "-AbC1234");
    folder("velorine-skins-" + gone + "-AbC-12");
    file("velorine-skins-" + gone + "-file1");
    // A link is never followed: what it leads to stays.
    folder("outside");
    fs::create_directory_symlink(dir / "outside", dir / ("velorine-skins-" + gone + "-link12"));
    fs::create_directory(dir / (".velorine-" + gone + "-dir.tmp"));
    file("default.dic");

    EXPECT_EQ(RemoveLeftovers(QString::fromStdString(dir.path().string())), 4);
    EXPECT_EQ(namesIn(dir.path()), kept);
    EXPECT_TRUE(fs::exists(dir / "outside" / "skin-abc123" / "spec.txt"));
    EXPECT_EQ(RemoveLeftovers(QString::fromStdString((dir / "missing").string())), 0);
}

}  // namespace
