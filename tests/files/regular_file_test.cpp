// Hostile entries in place of a file: refused without blocking, reading without end or
// touching them.

#include "files/regular_file.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace orvant {
namespace {

class RegularFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/orvant_files_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        Write("script.TSF", "S200\r\nV1000\r\n");
        Write("eleven.TSF", "0123456789A");
        ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
        ASSERT_EQ(mkdir(Path("folder").c_str(), 0700), 0);
        ASSERT_EQ(symlink(Path("nowhere").c_str(), Path("dangling").c_str()), 0);
        socket_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", Path("socket").c_str());
        ASSERT_EQ(bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    void TearDown() override {
        close(socket_);
        for (const char* name : {"script.TSF", "eleven.TSF", "fifo", "dangling", "socket"})
            unlink(Path(name).c_str());
        rmdir(Path("folder").c_str());
        rmdir(dir_.c_str());
    }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }

    std::string dir_;
    int socket_ = -1;
};

TEST_F(RegularFileTest, ReadRefusesEverythingButABoundedRegularFile) {
    struct Case {
        const char* name;
        std::string path;
        std::uint64_t bound;
        FileStatus status;
        std::string problem; // what the operator is told; "" for a file that was read
    };
    const Case cases[] = {
        {"regular", Path("script.TSF"), kMaxScriptFileBytes, FileStatus::Ok, ""},
        {"exactly at the bound", Path("eleven.TSF"), 11, FileStatus::Ok, ""},
        {"one byte over the bound", Path("eleven.TSF"), 10, FileStatus::TooLarge,
         "the file holds 11 bytes, more than the 10 bytes allowed"},
        {"missing", Path("absent.TSF"), kMaxScriptFileBytes, FileStatus::Missing,
         "No such file or directory"},
        {"vanished behind a link", Path("dangling"), kMaxScriptFileBytes, FileStatus::Missing,
         "No such file or directory"},
        {"FIFO", Path("fifo"), kMaxScriptFileBytes, FileStatus::NotRegular,
         "it is a FIFO, not a regular file"},
        {"directory", Path("folder"), kMaxScriptFileBytes, FileStatus::NotRegular,
         "it is a directory, not a regular file"},
        {"endless device", "/dev/zero", kMaxScriptFileBytes, FileStatus::NotRegular,
         "it is a character device, not a regular file"},
        {"socket", Path("socket"), kMaxScriptFileBytes, FileStatus::NotRegular,
         "it is a socket, not a regular file"},
        {"read error", "/proc/self/mem", kMaxScriptFileBytes, FileStatus::Failed,
         "Input/output error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileReadResult r = ReadRegularFile(c.path, c.bound);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(FileReadProblem(r, c.bound), c.problem);
        if (c.status != FileStatus::Ok) {
            EXPECT_TRUE(r.bytes.empty());
        }
    }
    EXPECT_EQ(ReadRegularFile(Path("script.TSF")).bytes, "S200\r\nV1000\r\n");
}

TEST_F(RegularFileTest, AnUnreadableFileGivesTheSystemsReason) {
    ASSERT_EQ(chmod(Path("script.TSF").c_str(), 0), 0);
    if (access(Path("script.TSF").c_str(), R_OK) == 0)
        GTEST_SKIP() << "running as root: permissions do not stop the read";
    const FileReadResult r = ReadRegularFile(Path("script.TSF"));
    EXPECT_EQ(r.status, FileStatus::Failed);
    EXPECT_EQ(FileReadProblem(r, kMaxScriptFileBytes), "Permission denied");
}

TEST_F(RegularFileTest, WritingIsAllowedOnlyToARegularOrANewFile) {
    struct Case {
        const char* name;
        std::string path;
        std::string problem;
    };
    const Case cases[] = {
        {"regular", Path("script.TSF"), ""},
        {"new", Path("new.TSF"), ""},
        {"new behind a link", Path("dangling"), ""},
        {"FIFO", Path("fifo"), "it is a FIFO, not a regular file"},
        {"directory", Path("folder"), "it is a directory, not a regular file"},
        {"device", "/dev/null", "it is a character device, not a regular file"},
        {"socket", Path("socket"), "it is a socket, not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WriteTargetProblem(c.path), c.problem);
    }
}

} // namespace
} // namespace orvant
