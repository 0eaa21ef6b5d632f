#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include <device/device.h>
#include <device/faults.h>

namespace fs = std::filesystem;

namespace {

// A host folder of the test's own, and no device open unless the test opens one.
class DeviceImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/lexovia-image-test-XXXXXX";
        ASSERT_TRUE(mkdtemp(pattern));
        folder_ = pattern;
    }

    void TearDown() override
    {
        device::Close();
        device::TakeFaults();
        fs::remove_all(folder_);
    }

    fs::path folder_;
};

void WriteHostFile(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

bool AnyFaultMentions(const std::string& text)
{
    for (const std::string& fault : device::TakeFaults())
        if (fault.find(text) != std::string::npos) return true;
    return false;
}

TEST_F(DeviceImageTest, ARegistryFileBesideTheUsersFilesIsNoImageToWipe)
{
    fs::path mine = folder_ / "mine";
    fs::create_directories(mine);
    WriteHostFile(mine / "registry.db", "");
    WriteHostFile(mine / "thesis.txt", "years of work");

    EXPECT_FALSE(device::CreateImage(mine.string()));
    EXPECT_TRUE(AnyFaultMentions("not a device image and not empty"));
    EXPECT_TRUE(fs::exists(mine / "thesis.txt"));
}

TEST_F(DeviceImageTest, RenewingAnImageRemovesOnlyItsOwnEntries)
{
    fs::path image = folder_ / "image";
    ASSERT_TRUE(device::CreateImage(image.string()));
    device::Close();
    fs::create_directories(image / "marks");
    WriteHostFile(image / "marks" / "before.json", "{}");
    WriteHostFile(image / "notes.txt", "the user's");
    WriteHostFile(image / "files" / "stale.txt", "from the old device");

    ASSERT_TRUE(device::CreateImage(image.string()));
    EXPECT_TRUE(fs::exists(image / "notes.txt"));
    EXPECT_FALSE(fs::exists(image / "marks"));
    EXPECT_FALSE(fs::exists(image / "files" / "stale.txt"));
}

TEST_F(DeviceImageTest, AnImageWhoseOwnEntryIsASymbolicLinkIsRefused)
{
    for (const char* entry : {"files", "rom", "marks"}) {
        SCOPED_TRACE(entry);
        fs::path image = folder_ / entry / "image";
        fs::path outside = folder_ / entry / "outside";
        ASSERT_TRUE(device::CreateImage(image.string()));
        device::Close();
        fs::create_directories(outside);
        fs::remove_all(image / entry);
        fs::create_directory_symlink(outside, image / entry);

        EXPECT_FALSE(device::OpenImage(image.string()));
        EXPECT_TRUE(AnyFaultMentions("the image's " + std::string(entry) + " is a symbolic link"));
        EXPECT_TRUE(fs::is_empty(outside));
    }
}

// The child makes a fresh device under TMPDIR, tells its folder and waits to
// be ended by SIGNAL.
fs::path FolderOfDeviceEndedBy(int signal, const fs::path& temporaryBase, int& status)
{
    int channel[2];
    if (pipe(channel) != 0) return {};
    pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        setenv("TMPDIR", temporaryBase.c_str(), 1);
        if (!device::CreateFresh()) _exit(2);
        std::string folder = device::ImageFolder() + "\n";
        if (write(channel[1], folder.data(), folder.size()) != static_cast<ssize_t>(folder.size())) _exit(3);
        for (;;) pause();
    }
    close(channel[1]);
    std::string folder;
    char c;
    while (read(channel[0], &c, 1) == 1 && c != '\n') folder.push_back(c);
    close(channel[0]);
    if (!folder.empty() && fs::exists(folder)) kill(child, signal);
    waitpid(child, &status, 0);
    return folder;
}

TEST_F(DeviceImageTest, AFreshDevicesFolderIsMadeUnderTmpdirAndGoesWhenTheProcessIsInterrupted)
{
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        int status = 0;
        fs::path folder = FolderOfDeviceEndedBy(signal, folder_, status);
        ASSERT_FALSE(folder.empty());
        EXPECT_EQ(folder.parent_path(), folder_);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "status " << status;
        EXPECT_FALSE(fs::exists(folder));
    }
}

}  // namespace
