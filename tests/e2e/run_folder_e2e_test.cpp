// The analysis runner and the folder it runs in: a folder it cannot write, a disk that fills while it
// keeps its files, two runs started in one folder at once or while one waits at a question, and a
// run killed while it holds the folder. A run that cannot do its work ends by itself with status 1
// and says why, never waiting for a key; the folder holds the files of one whole run, the new one or
// the earlier one, and never a file of each.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/example_data.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::maskClock;
using testing_support::withWord;
using namespace std::chrono_literals;

const std::string kFolderHeld =
    " ++> Another analysis is running in this folder; this run stops and changes no\n"
    "     file. Wait for that run to end, then start this one again.\n";

// The files of a folder by name, with the clock line of each report masked, so that two runs of one
// data set compare equal.
std::map<std::string, std::string> filesOf(const e2e::Folder& folder) {
  std::map<std::string, std::string> files;
  for (const std::string& name : folder.files()) files[name] = maskClock(folder.readFile(name));
  return files;
}

// The tanker example's folder after a complete run.
std::map<std::string, std::string> completeRun(const std::string& image) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  const e2e::Run run = folder.runAnalysis();
  EXPECT_EQ(run.status, 0) << run.err;
  return filesOf(folder);
}

// The ordinary user that the superuser's runs become, so that file permissions hold for them.
constexpr uid_t kOrdinaryUser = 65534;

// In the child of a run: drops the rights of the superuser, whom no file permission stops, so that a
// folder without write permission refuses the run as it refuses a user.
void asAnOrdinaryUser() {
  if (::geteuid() != 0) return;
  if (::setgroups(0, nullptr) != 0 || ::setgid(kOrdinaryUser) != 0 || ::setuid(kOrdinaryUser) != 0) _exit(125);
}

// The runner as a run that drops the superuser's rights can start it. The ordinary user need not
// reach the build folder (a checkout in the superuser's home, or in any folder of mode 700), so the
// superuser's runs start a copy of the runner in a fresh folder that every user may enter; a user
// other than the superuser starts the runner itself. Where even that copy cannot be reached (the
// temporary folder closed to other users), `program` is empty and `why` says so.
class RunnerForAnOrdinaryUser {
 public:
  RunnerForAnOrdinaryUser() {
    if (::geteuid() != 0) {
      program = e2e::runnerPath();
      return;
    }
    using std::filesystem::perms;
    const std::filesystem::path copy = folder_.path() / "quorvel-run";
    std::filesystem::copy_file(e2e::runnerPath(), copy);
    const perms open = perms::owner_all | perms::group_read | perms::group_exec | perms::others_read | perms::others_exec;
    std::filesystem::permissions(folder_.path(), open);
    std::filesystem::permissions(copy, open);
    const int error = accessAsAnOrdinaryUser(copy);
    if (error == 0) {
      program = copy.string();
      return;
    }
    why = "the user " + std::to_string(kOrdinaryUser) + " may not start the runner's copy " + copy.string() + " (" +
          std::strerror(error) + "): set TMPDIR to a folder that every user may enter";
  }

  std::string program;  // the runner to start, or empty
  std::string why;      // why there is none

 private:
  // 0 when the ordinary user may start `file`, else the system's error number.
  static int accessAsAnOrdinaryUser(const std::filesystem::path& file) {
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
      asAnOrdinaryUser();
      _exit(::access(file.c_str(), X_OK) == 0 ? 0 : errno);
    }
    int wstatus = 0;
    ::waitpid(pid, &wstatus, 0);
    return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : ECHILD;
  }

  testing_support::TempDir folder_{testing_support::TempDir::Mode::kStayOutside};
};

// The folder open to every user for reading and to none for writing.
void readOnly(const e2e::Folder& folder) {
  using std::filesystem::perms;
  std::filesystem::permissions(folder.path(), perms::owner_read | perms::owner_exec | perms::group_read |
                                                  perms::group_exec | perms::others_read | perms::others_exec);
}

// A started runner whose output goes to files of `logs` (its standard input: a pipe the test holds,
// or nothing).
struct Started {
  pid_t pid = -1;
  int input = -1;  // the write end of its standard input, or -1
  std::filesystem::path out, err;
};

Started startRunner(const std::filesystem::path& dir, const std::filesystem::path& logs, const std::string& tag,
                    const std::vector<std::string>& arguments, bool holdInput) {
  Started s;
  s.out = logs / (tag + ".out");
  s.err = logs / (tag + ".err");
  int in[2] = {-1, -1};
  if (holdInput && ::pipe(in) != 0) throw std::runtime_error("pipe failed");
  const std::string program = e2e::runnerPath();
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  s.pid = ::fork();
  if (s.pid < 0) throw std::runtime_error("fork failed");
  if (s.pid == 0) {
    if (::chdir(dir.c_str()) != 0) _exit(126);
    const int input = holdInput ? in[0] : ::open("/dev/null", O_RDONLY);
    const int out = ::open(s.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(s.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(input, STDIN_FILENO);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    if (holdInput) ::close(in[1]);
    ::execv(program.c_str(), argv.data());
    _exit(127);
  }
  if (holdInput) {
    ::close(in[0]);
    s.input = in[1];
  }
  return s;
}

// The exit status of a started run, or -1 when it has not ended within `limit` (it is then killed).
int statusOf(const Started& s, std::chrono::milliseconds limit = 30s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  int wstatus = 0;
  while (::waitpid(s.pid, &wstatus, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > end) {
      ::kill(s.pid, SIGKILL);
      ::waitpid(s.pid, &wstatus, 0);
      return -1;
    }
    std::this_thread::sleep_for(5ms);
  }
  return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
}

// Waits until the file holds `text`; false when it does not within `limit`.
bool waitForText(const std::filesystem::path& file, const std::string& text, std::chrono::milliseconds limit = 30s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (contains(testing_support::readFileText(file), text)) return true;
    std::this_thread::sleep_for(5ms);
  }
  return false;
}

// The runner `program` on a terminal, as an ordinary user: a pseudo-terminal is its standard input
// and output, as in a console window, so that a question would wait for a key instead of meeting the
// end of the input. Returns what the terminal showed; `status` is -1 when the run did not end within
// `limit` (a wait shows so).
std::string runOnATerminal(const std::filesystem::path& dir, const std::string& program, int& status,
                           std::chrono::milliseconds limit = 10s) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) throw std::runtime_error("no terminal");
  const std::string slave = ::ptsname(master);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setsid();
    const int fd = ::open(slave.c_str(), O_RDWR);
    if (fd < 0 || ::chdir(dir.c_str()) != 0) _exit(126);
    for (int std : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) ::dup2(fd, std);
    ::close(master);
    asAnOrdinaryUser();
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  std::string shown;
  const auto end = std::chrono::steady_clock::now() + limit;
  status = -1;
  while (std::chrono::steady_clock::now() < end) {
    pollfd p{master, POLLIN, 0};
    if (::poll(&p, 1, 10) > 0) {
      char buffer[4096];
      const ssize_t n = ::read(master, buffer, sizeof buffer);
      if (n > 0) shown.append(buffer, static_cast<std::size_t>(n));
    }
    int wstatus = 0;
    if (::waitpid(pid, &wstatus, WNOHANG) == pid) {
      status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
      break;
    }
  }
  if (status == -1) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
  }
  ::close(master);
  return shown;
}

// A folder that may not be written: the run says so at once, naming the file and the system's reason,
// ends with status 1 and changes nothing; on a terminal it asks for no key. Unattended and silent
// runs alike.
TEST(RunFolderE2e, AFolderThatCannotBeWrittenStopsTheRunAtOnce) {
  const RunnerForAnOrdinaryUser runner;
  if (runner.program.empty()) GTEST_SKIP() << runner.why;
  const std::string image = example("tanker-yoke");
  const std::string message =
      " ++> File not found or file access error in quorvel-run\n"
      "     File name: Diagnostics.stxt\n"
      "     Reason: Permission denied\n"
      "     Nothing in this folder was changed.\n";
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"--silent"}}) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    readOnly(folder);
    const e2e::Run run = e2e::runIn(folder.path(), runner.program, "", 30s, asAnOrdinaryUser, arguments);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, message);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"});
  }
  // The same from a terminal: the message, and the end of the run without a question.
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  readOnly(folder);
  int status = 0;
  const std::string shown = runOnATerminal(folder.path(), runner.program, status);
  std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
  EXPECT_EQ(status, 1) << "a run that waits for a key does not end:\n" << shown;
  EXPECT_TRUE(contains(shown, "Reason: Permission denied")) << shown;
  EXPECT_FALSE(contains(shown, "RETURN")) << shown;
  EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"});
}

// A disk that fills while the run writes its files (a write made to fail as a full disk fails it, by
// a small library preloaded into the runner): the message names the file and the reason, and every
// file of the earlier run stands as it was; "Diagnostics.stxt" tells of the failed run where it
// could still be written, else it too stays as it was. No temporary file is left.
TEST(RunFolderE2e, AFullDiskKeepsTheEarlierRunsFiles) {
  const std::string image = example("tanker-yoke");
  struct Case {
    const char* what;
    const char* writes;      // the writes that fail, counted from 1
    std::string file;        // the file the message names
    bool messagesWritten;    // "Diagnostics.stxt" holds the failed run's messages
  };
  // The run writes "Diagnostics.stxt" first, then its reports in the order it made them, then the
  // journal of the renames; a failed run then writes its messages alone.
  const Case cases[] = {
      {"the messages file's write", "1", "Diagnostics.stxt", true},
      {"the first report's write", "2", "TANKSUM.stxt", true},
      {"the last file's write", "13", "RANOUT.stxt", true},
      {"the journal's write", "14", "Diagnostics.stxt", true},
      {"the write of the messages alone fails too", "4,5", "TANKRAO.stxt", false},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    ASSERT_EQ(folder.runAnalysis().status, 0);
    std::map<std::string, std::string> earlier;
    for (const std::string& name : folder.files()) earlier[name] = folder.readFile(name);
    const e2e::Run run = e2e::runIn(folder.path(), e2e::runnerPath(), "", 30s, [&c] {
      setenv("LD_PRELOAD", QV_WRITE_FAULTS, 1);
      // A sanitizer build wants its runtime first among the libraries; the preloaded one comes first.
      const char* asan = std::getenv("ASAN_OPTIONS");
      const std::string options = std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0";
      setenv("ASAN_OPTIONS", options.c_str(), 1);
      setenv("QV_FAIL_WRITE", c.writes, 1);
    });
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.status, 1) << c.what << "\n" << run.err;
    const std::string message = " ++> File not found or file access error in quorvel-run\n     File name: " + c.file +
                                "\n     Reason: No space left on device\n"
                                "     The files of the earlier run are as they were; none of this run's was kept.\n";
    const std::string notKept = c.messagesWritten ? "" :
        "     \"Diagnostics.stxt\" could not be written either (No space left on device);\n"
        "     it is as the earlier run left it.\n";
    EXPECT_EQ(run.err, message + notKept) << c.what;
    EXPECT_EQ(folder.files().size(), earlier.size()) << c.what << ": no file more, none less";
    for (const auto& [name, bytes] : earlier) {
      if (name == "Diagnostics.stxt" && c.messagesWritten) {
        const std::string messages = folder.readFile(name);
        EXPECT_TRUE(contains(messages, "     File name: " + c.file + "\n \n     Reason: No space left on device\n"))
            << c.what << "\n" << messages;
        EXPECT_TRUE(contains(messages, " >>> Computing low-frequency dynamics...")) << c.what;
        continue;
      }
      EXPECT_TRUE(folder.readFile(name) == bytes) << c.what << ": " << name << " changed";
    }
  }
}

// Two runs started at once in one folder, twenty times: one of them holds the folder and the other
// stops with status 1, changing nothing, or (where the first had ended already) runs after it;
// either way the folder holds one whole run's files, equal to those of a run alone.
TEST(RunFolderE2e, TwoRunsStartedAtOnceInOneFolder) {
  const std::string image = example("tanker-yoke");
  const std::map<std::string, std::string> alone = completeRun(image);
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  e2e::Folder logs;
  int refused = 0;
  for (int pair = 1; pair <= 20; ++pair) {
    const Started first = startRunner(folder.path(), logs.path(), "first", {}, false);
    const Started second = startRunner(folder.path(), logs.path(), "second", {}, false);
    const int statuses[] = {statusOf(first), statusOf(second)};
    int ran = 0;
    for (int k = 0; k < 2; ++k) {
      const Started& s = k == 0 ? first : second;
      const std::string err = testing_support::readFileText(s.err);
      ASSERT_TRUE(statuses[k] == 0 || statuses[k] == 1) << "pair " << pair << ": status " << statuses[k] << "\n" << err;
      if (statuses[k] == 0) {
        ++ran;
        EXPECT_EQ(err, "") << "pair " << pair;
      } else {
        ++refused;
        EXPECT_EQ(err, kFolderHeld) << "pair " << pair;
      }
      EXPECT_EQ(testing_support::readFileText(s.out), "") << "pair " << pair;
    }
    EXPECT_GE(ran, 1) << "pair " << pair;
    EXPECT_TRUE(filesOf(folder) == alone) << "pair " << pair << ": the folder holds what no single run leaves";
  }
  std::cout << refused << " of the 20 pairs overlapped\n";
}

// A run that waits at a question (an interactive debug run asking for its print level) holds the
// folder: a run started meanwhile stops with status 1 and changes nothing. Answered, the first run
// ends with its files; killed, it leaves nothing that holds the folder or lies in it.
TEST(RunFolderE2e, ARunThatWaitsHoldsTheFolderAndAKilledOneReleasesIt) {
  const std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, NBUG0), std::int32_t{1});
  for (const bool answered : {true, false}) {
    const char* what = answered ? "answered" : "killed";
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    e2e::Folder logs;
    const Started waiting = startRunner(folder.path(), logs.path(), "waiting", {"--interactive"}, true);
    ASSERT_TRUE(waitForText(waiting.out, "Input NBUG: ")) << what;

    const Started meanwhile = startRunner(folder.path(), logs.path(), "meanwhile", {}, false);
    EXPECT_EQ(statusOf(meanwhile, 10s), 1) << what;
    EXPECT_EQ(testing_support::readFileText(meanwhile.err), kFolderHeld) << what;
    EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"}) << what;

    if (answered) {
      const std::string replies(300, '\n');  // every debug level 0
      ASSERT_EQ(::write(waiting.input, replies.data(), replies.size()), static_cast<ssize_t>(replies.size()));
      ::close(waiting.input);
      EXPECT_EQ(statusOf(waiting), 0) << testing_support::readFileText(waiting.out);
      EXPECT_TRUE(folder.exists("RANOUT.stxt"));
      EXPECT_FALSE(folder.exists("Diagnostics.stxt")) << "the interactive run talks on the console";
      continue;
    }
    ::kill(waiting.pid, SIGKILL);
    ::close(waiting.input);
    statusOf(waiting);
    EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"}) << "a killed run keeps nothing";
    const e2e::Run after = folder.runAnalysis();
    EXPECT_EQ(after.status, 0) << after.err;
    EXPECT_TRUE(filesOf(folder) == completeRun(image));
  }
}

// Runs the runner in `dir` with its standard error into `err`; its exit status, or -1.
int runnerStatus(const std::filesystem::path& dir, const std::filesystem::path& err) {
  const std::string program = e2e::runnerPath();
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int in = ::open("/dev/null", O_RDONLY);
    const int fd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || fd < 0 || ::chdir(dir.c_str()) != 0) _exit(126);
    ::dup2(in, STDIN_FILENO);
    ::dup2(fd, STDOUT_FILENO);
    ::dup2(fd, STDERR_FILENO);
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int wstatus = 0;
  ::waitpid(pid, &wstatus, 0);
  return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
}

void copyFolder(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::filesystem::create_directories(to);
  for (const auto& entry : std::filesystem::directory_iterator(from))
    if (entry.path().filename() != "filler") std::filesystem::copy(entry.path(), to / entry.path().filename());
}

// A real disk that fills: a small file system in memory (tmpfs), mounted in a namespace of the test's
// own, holds the example and its complete run; then a file fills it but for a few kilobytes, and the
// run again. The second run ends with status 1 naming a file and "No space left on device", and
// every file of the first run stands as it was. Skipped where the system lends no such namespace.
TEST(RunFolderE2e, ASmallFileSystemThatFillsKeepsTheEarlierRunsFiles) {
  e2e::Folder mountPoint, results;
  const std::string image = example("tanker-yoke");
  const uid_t uid = ::getuid();
  const gid_t gid = ::getgid();
  const pid_t pid = ::fork();
  if (pid == 0) {
    const auto writeTo = [](const char* file, const std::string& text) {
      const int fd = ::open(file, O_WRONLY);
      const bool ok = fd >= 0 && ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
      if (fd >= 0) ::close(fd);
      return ok;
    };
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) _exit(77);
    writeTo("/proc/self/setgroups", "deny");
    if (!writeTo("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1\n") ||
        !writeTo("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1\n"))
      _exit(77);
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", mountPoint.path().c_str(), "tmpfs", 0, "size=400k") != 0)
      _exit(77);
    const std::filesystem::path dir = mountPoint.path();
    testing_support::writeFileBytes(dir / "SALMDAT", image.data(), image.size());
    const int first = runnerStatus(dir, results.path() / "first.err");
    copyFolder(dir, results.path() / "first");
    struct statvfs fs = {};
    if (::statvfs(dir.c_str(), &fs) != 0) _exit(76);
    const std::size_t free = static_cast<std::size_t>(fs.f_bavail) * fs.f_frsize;
    const std::string filler(free > 24 * 1024 ? free - 24 * 1024 : 0, 'x');
    testing_support::writeFileBytes(dir / "filler", filler.data(), filler.size());
    const int second = runnerStatus(dir, results.path() / "second.err");
    copyFolder(dir, results.path() / "second");
    _exit(first == 0 && second == 1 ? 0 : 10 + first * 4 + second);
  }
  int wstatus = 0;
  ::waitpid(pid, &wstatus, 0);
  const int code = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  if (code == 77) GTEST_SKIP() << "no user and mount namespace here";
  ASSERT_EQ(code, 0) << testing_support::readFileText(results.path() / "second.err");
  const std::string err = testing_support::readFileText(results.path() / "second.err");
  EXPECT_TRUE(contains(err, "     Reason: No space left on device\n"
                            "     The files of the earlier run are as they were; none of this run's was kept.\n"))
      << err;
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(results.path() / "first"))
    names.push_back(entry.path().filename().string());
  std::vector<std::string> after;
  for (const auto& entry : std::filesystem::directory_iterator(results.path() / "second"))
    after.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  std::sort(after.begin(), after.end());
  EXPECT_EQ(after, names) << "no file more, none less";
  EXPECT_GT(names.size(), 10u);
  for (const std::string& name : names) {
    if (name == "Diagnostics.stxt") continue;
    EXPECT_TRUE(testing_support::readFileText(results.path() / "first" / name) ==
                testing_support::readFileText(results.path() / "second" / name))
        << name << " changed";
  }
}

// The example with its first title line replaced, which every report shows: two runs of it and of the
// example tell their files apart.
std::string titled(const std::string& image, const std::string& title) {
  std::string changed = image;
  std::string field = title;
  field.resize(80, ' ');
  changed.replace(offsetof(Tpcm, CID1P), 80, field);
  return changed;
}

// The files of a folder but the data set, as filesOf gives them.
std::map<std::string, std::string> runFilesOf(const e2e::Folder& folder) {
  std::map<std::string, std::string> files = filesOf(folder);
  files.erase("SALMDAT");
  return files;
}

// A run killed at each step of writing its files into the folder (each write, sync, link, rename and
// removal, by the preloaded library): once the next load has finished what the kill interrupted, the
// folder holds the files of the earlier run or of the killed one, whole, and nothing else.
TEST(RunFolderE2e, ARunKilledAtAnyStepOfKeepingItsFilesLeavesOneRunsFiles) {
  const std::string earlierImage = titled(example("tanker-yoke"), "The earlier run");
  const std::string laterImage = titled(example("tanker-yoke"), "The later run");
  std::map<std::string, std::string> earlier, later, earlierBytes;
  {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", earlierImage);
    ASSERT_EQ(folder.runAnalysis().status, 0);
    earlier = runFilesOf(folder);
    for (const std::string& name : folder.files()) earlierBytes[name] = folder.readFile(name);
    folder.writeFile("SALMDAT", laterImage);
    ASSERT_EQ(folder.runAnalysis().status, 0);
    later = runFilesOf(folder);
  }
  ASSERT_TRUE(contains(earlier["STATOUT.stxt"], "The earlier run"));
  int killed = 0;
  for (int step = 1; step < 400; ++step) {
    e2e::Folder folder;  // the earlier run's folder, then the later data set
    for (const auto& [name, bytes] : earlierBytes) folder.writeFile(name, bytes);
    folder.writeFile("SALMDAT", laterImage);
    const e2e::Run run = e2e::runIn(folder.path(), e2e::runnerPath(), "", 30s, [step] {
      setenv("LD_PRELOAD", QV_WRITE_FAULTS, 1);
      const char* asan = std::getenv("ASAN_OPTIONS");
      const std::string options = std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0";
      setenv("ASAN_OPTIONS", options.c_str(), 1);
      setenv("QV_KILL_AT", std::to_string(step).c_str(), 1);
    });
    ASSERT_FALSE(run.timedOut) << "step " << step;
    if (run.signal != SIGKILL) {
      EXPECT_EQ(run.status, 0) << "step " << step << "\n" << run.err;
      EXPECT_TRUE(runFilesOf(folder) == later) << "step " << step;
      break;  // the run ended before this step
    }
    ++killed;
    const e2e::Run load = folder.run("M\n");  // the editor's load; the input ends at once
    ASSERT_FALSE(load.timedOut) << "step " << step;
    const std::map<std::string, std::string> files = runFilesOf(folder);
    EXPECT_TRUE(files == earlier || files == later) << "step " << step << ": the files of neither run, or of both";
  }
  EXPECT_GT(killed, 30);
}

}  // namespace
}  // namespace qv
