// The copy-and-rename replacement of image files: no copy outlives a
// signal or a killed process, the file keeps its owner and group, the
// folder is flushed after the rename, and other names of the file are told
// about.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/SafeReplace.h"
#include "rom/TempCopies.h"

using namespace quorvex;
using quorvex::test::TempDir;

namespace {

std::vector<std::string> FolderEntries(const TempDir& dir)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

int g_hookFd = -1;

// Tells the test that the copy exists, then waits to be killed.
void StopAfterCopy()
{
    const char byte = 'c';
    if (::write(g_hookFd, &byte, 1) != 1)
        ::_exit(3);
    for (;;)
        ::pause();
}

// Starts a process that opens the image, changes it and saves; the process
// stops once the save's copy exists and is then sent `sig`. Returns the
// process id (already waited for) and its wait status.
std::pair<pid_t, int> KillDuringSave(const std::string& path, int sig)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {-1, 0};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        g_hookFd = fds[1];
        SafeReplace::SetCopyMadeHook(StopAfterCopy);
        CQuorvexDoc doc;
        if (!doc.OnOpenDocument(path).ok)
            ::_exit(2);
        doc.Rom().monsters.monsters.bytes[0] ^= 0xFF;
        doc.OnSaveDocument(path);
        ::_exit(0);
    }
    ::close(fds[1]);
    char byte = 0;
    const bool stopped = ::read(fds[0], &byte, 1) == 1;
    ::close(fds[0]);
    if (stopped)
        ::kill(pid, sig);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {stopped ? pid : -1, status};
}

} // namespace

TEST(SafeReplace, InterruptTerminateAndHangUpRemoveTheCopy)
{
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(sig);
        TempDir dir;
        const std::string path = test::WriteImage(dir);
        const auto before = test::ReadFileBytes(path);
        const auto [pid, status] = KillDuringSave(path, sig);
        ASSERT_GT(pid, 0);
        // The process still ends as the signal ends it.
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(WTERMSIG(status), sig);
        EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"image.smc"});
        EXPECT_EQ(test::ReadFileBytes(path), before);
    }
}

TEST(SafeReplace, ANextSaveRemovesTheCopiesOfEndedProcessesOnly)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    // A process killed outright cannot remove its copy.
    const auto [dead, status] = KillDuringSave(path, SIGKILL);
    ASSERT_GT(dead, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::string left = "image.smc.quorvex-" + std::to_string(dead) + "-";
    auto entries = FolderEntries(dir);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].rfind(left, 0), 0u) << entries[1];

    // Copies that must stay: a live process's (process 1 always exists; this
    // process is alive too), one without a process id in its name, a folder
    // and a link named like a dead process's copy, and a dead process's
    // copy of another image.
    const std::string dead6 = std::to_string(dead) + "-zzzzzz";
    const std::vector<std::string> kept = {
        "image.smc.quorvex-1-abcdef",
        "image.smc.quorvex-" + std::to_string(::getpid()) + "-abcdef",
        "image.smc.quorvex-Ab3dEf",
        "other.smc.quorvex-" + dead6,
        "image.smc.quorvex-" + std::to_string(dead) + "-toolong",
    };
    for (const auto& name : kept)
        test::WriteFileBytes(dir.File(name), {1, 2, 3});
    std::filesystem::create_directory(dir.File("image.smc.quorvex-" + std::to_string(dead) + "-folder"));
    std::filesystem::create_symlink(dir.File("other.smc.quorvex-" + dead6),
                                    dir.File("image.smc.quorvex-" + std::to_string(dead) + "-linked"));
    // And one more that must go: another ended process's copy.
    test::WriteFileBytes(dir.File("image.smc.quorvex-" + dead6), {4});

    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    std::vector<std::string> expected = kept;
    expected.push_back("image.smc");
    expected.push_back("image.smc.restore"); // the save keeps the old bytes as a restore point
    expected.push_back("image.smc.quorvex-" + std::to_string(dead) + "-folder");
    expected.push_back("image.smc.quorvex-" + std::to_string(dead) + "-linked");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderEntries(dir), expected);
}

TEST(SafeReplace, TheFileKeepsItsOwnerGroupAndPermissions)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser may give a file to another user";
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    ASSERT_EQ(::chown(path.c_str(), 4242, 4343), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    doc.Rom().monsters.monsters.bytes[0] ^= 1;
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4242u);
    EXPECT_EQ(st.st_gid, 4343u);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
}

TEST(SafeReplace, TheFolderIsFlushedAfterEveryReplacement)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    // Without a restore point a save replaces one file: one flush.
    doc.SetRestorePoints(0);
    int before = SafeReplace::FolderFlushCount();
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    EXPECT_EQ(SafeReplace::FolderFlushCount(), before + 1);
    ASSERT_TRUE(ExpandImage(doc.Rom(), 0x80000, 0xFF));
    EXPECT_EQ(SafeReplace::FolderFlushCount(), before + 2);
    // With one, the restore point's own replacement is flushed too.
    doc.SetRestorePoints(kDefaultRestorePoints);
    before = SafeReplace::FolderFlushCount();
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    EXPECT_EQ(SafeReplace::FolderFlushCount(), before + 2);
}

TEST(SafeReplace, OtherNamesOfTheFileKeepTheOldBytesAndTheUserIsTold)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    const std::string other = dir.File("second-name.smc");
    ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
    const auto before = test::ReadFileBytes(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    doc.Rom().monsters.monsters.bytes[0] ^= 1;
    const SaveResult r = doc.OnSaveDocument(path);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_NE(r.notice.find("1 other name (a hard link)"), std::string::npos) << r.notice;
    EXPECT_NE(r.notice.find("keep the old bytes"), std::string::npos) << r.notice;
    EXPECT_NE(test::ReadFileBytes(path), before);
    EXPECT_EQ(test::ReadFileBytes(other), before);
    // The saved file has one name now: a second save has nothing to tell.
    const SaveResult again = doc.OnSaveDocument(path);
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(again.notice, "");
}

TEST(SafeReplace, CopyNamesCarryTheProcessId)
{
    const std::string t = TempCopyTemplate("/x/image.smc");
    EXPECT_EQ(t, "/x/image.smc.quorvex-" + std::to_string(::getpid()) + "-XXXXXX");
}
