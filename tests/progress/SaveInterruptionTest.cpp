// Saves cut short by a kill or a full disk must leave every progress file
// whole: the old value or the new one, never a part of either.
#ifndef _WIN32
#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <optional>
#include <iostream>
#include <random>
#include <regex>
#include <thread>

#include "progress/AutoSave.h"
#include "progress/ProgressFile.h"
#include "progress/ProgressTracks.h"
#include "progress/SaveCommands.h"
#include "ProgressFixture.h"

using namespace lumivox;
namespace fs = std::filesystem;

namespace {

const char* const kFiles[] = {"Save.sav", "SaveForDoor.sav", "AutoSave.sav", "AutoSaveForDoor.sav"};

bool wholeValue(const std::string& bytes) {
  static const std::regex value("-?[0-9]+\r\n");
  return std::regex_match(bytes, value);
}

// Saves all four files over and over, each value longer or shorter than the
// one before, until it is killed.
[[noreturn]] void saveForever(std::atomic<long>* savesDone) {
  DialogueState state;
  FakeIndexModel view;
  for (long i = 0;; ++i) {
    const std::string key = i % 2 ? "-2147483648" : std::to_string(i % 1000);
    state.mainLineKey = state.doorLineKey = key;
    SaveProgress(state, Track::Main, "/Data/Save.sav");
    savesDone->fetch_add(1);
    SaveProgress(state, Track::Door, "/Data/SaveForDoor.sav");
    savesDone->fetch_add(1);
    state.activeTrack = "IndexText";
    autoSaveTick(state, view);
    savesDone->fetch_add(1);
    state.activeTrack = "InDoor";
    autoSaveTick(state, view);
    savesDone->fetch_add(1);
  }
}

}  // namespace

class SaveInterruptionTest : public ProgressFixture {};

TEST_F(SaveInterruptionTest, KilledAtRandomMomentsLeavesOldOrNewValues) {
  for (const char* name : kFiles) putData(name, "7\r\n");
  auto* savesDone = static_cast<std::atomic<long>*>(
      ::mmap(nullptr, sizeof(std::atomic<long>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  ASSERT_NE(savesDone, MAP_FAILED);
  new (savesDone) std::atomic<long>(0);

  std::mt19937 random(20240611);
  constexpr int kRuns = 300;
  int kills = 0, filesChecked = 0, badFiles = 0;
  for (int run = 0; run < kRuns; ++run) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) saveForever(savesDone);
    // At least one save of this run goes through, then the kill falls at a
    // random moment among the saves that follow.
    const long before = savesDone->load();
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (savesDone->load() == before && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::sleep_for(std::chrono::microseconds(100));
    EXPECT_GT(savesDone->load(), before) << "run " << run << " saved nothing";
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 8000));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ++kills;
    for (const char* name : kFiles) {
      ++filesChecked;
      const std::string bytes = data(name);
      if (!wholeValue(bytes)) {
        ++badFiles;
        ADD_FAILURE() << name << " after run " << run << ": [" << bytes << "]";
      }
    }
  }
  // Each file still loads.
  state.mainLineNumber = 5;
  LoadProgress(state, Track::Main, "/Data/AutoSave.sav", view);
  EXPECT_NE(state.mainLineNumber, 5);

  auto leftovers = [&] {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(dir.dataDir()))
      if (entry.path().filename().string().find(".sav.") != std::string::npos) ++count;
    return count;
  };
  const int leftByKills = leftovers();
  std::cout << "kill test: runs " << kRuns << ", kills " << kills << ", saves completed " << savesDone->load()
            << ", files checked " << filesChecked << ", bad files " << badFiles
            << ", temporary files left by kills " << leftByKills << std::endl;
  EXPECT_EQ(kills, kRuns);
  EXPECT_EQ(badFiles, 0);
  EXPECT_LE(leftByKills, 4);  // one a file at most: each save removes what the last kill left

  // The next save of each file leaves none.
  state.mainLineKey = state.doorLineKey = "12";
  SaveProgress(state, Track::Main, "/Data/Save.sav");
  SaveProgress(state, Track::Door, "/Data/SaveForDoor.sav");
  state.activeTrack = "IndexText";
  autoSaveTick(state, view);
  state.activeTrack = "InDoor";
  autoSaveTick(state, view);
  EXPECT_EQ(leftovers(), 0);
  ::munmap(savesDone, sizeof(std::atomic<long>));
}

namespace {

// A Data folder on a small file system of its own that can be filled up;
// nothing when this process may not mount one.
class SmallDisk {
 public:
  explicit SmallDisk(const fs::path& folder) : folder_(folder) {
    mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }

  // Writes filler until the disk refuses more.
  void fill() const {
    const std::string chunk(4096, 'x');
    FILE* filler = std::fopen((folder_ / "filler").c_str(), "wb");
    ASSERT_TRUE(filler);
    std::setvbuf(filler, nullptr, _IONBF, 0);
    while (std::fwrite(chunk.data(), 1, chunk.size(), filler) == chunk.size()) {
    }
    std::fclose(filler);
  }
  void free() const { fs::remove(folder_ / "filler"); }

 private:
  fs::path folder_;
  bool mounted_ = false;
};

// The fallback: a file-size limit makes writes fail after a few bytes.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    handler_ = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = previous_;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, handler_);
  }

 private:
  struct rlimit previous_ {};
  void (*handler_)(int) = nullptr;
};

}  // namespace

TEST_F(SaveInterruptionTest, FullDiskKeepsTheOldFilesAndReportsTheFailure) {
  fs::remove_all(dir.dataDir());
  fs::create_directory(dir.dataDir());
  SmallDisk disk(dir.dataDir());
  std::optional<FileSizeLimit> limit;
  putData("Save.sav", "41\r\n");
  putData("AutoSave.sav", "40\r\n");
  if (disk.mounted()) {
    disk.fill();
  } else {
    limit.emplace(4);  // the old files' size: the new values do not fit
  }
  std::cout << "full-disk test on " << (disk.mounted() ? "a full 64 KiB tmpfs" : "a 4-byte file-size limit")
            << std::endl;

  state.mainLineKey = "1234567";
  view.status = "before";
  saveProgressCommand(state, Track::Main, view, prompter);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].title, "发生错误");
  EXPECT_EQ(prompter.boxes[0].text,
            "程序发生了严重错误。\r\n请确认程序目录中是否有Data文件夹。以及Data文件夹中是否存在Save.sav文件");
  EXPECT_EQ(view.status, "before");
  autoSaveTick(state, view);
  EXPECT_EQ(view.status, kAutoSaveFailedText);

  limit.reset();
  EXPECT_EQ(data("Save.sav"), "41\r\n");
  EXPECT_EQ(data("AutoSave.sav"), "40\r\n");
  const auto entries = std::distance(fs::directory_iterator(dir.dataDir()), fs::directory_iterator());
  EXPECT_EQ(entries, disk.mounted() ? 3 : 2);  // no temporaries left behind

  // With room again the same save goes through.
  if (disk.mounted()) disk.free();
  autoSaveTick(state, view);
  EXPECT_EQ(view.status, kAutoSavedText);
  EXPECT_EQ(data("AutoSave.sav"), "1234567\r\n");
}

#endif
