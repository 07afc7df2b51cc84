#include "util/safe_save.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "platform/units.h"
#include "util/console_io.h"
#include "util/diskio.h"
#include "util/files.h"

namespace qv {

namespace {

namespace fs = std::filesystem;

std::string systemReason(int error) { return std::strerror(error); }

// While files are written, a file-size limit makes the write fail with its reason instead of
// ending the process with a signal.
class FileSizeSignalIgnored {
 public:
  FileSizeSignalIgnored() {
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &previous_);
  }
  ~FileSizeSignalIgnored() { sigaction(SIGXFSZ, &previous_, nullptr); }
  FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
  FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

 private:
  struct sigaction previous_ = {};
};

// A name beside `target` that no other file has: ".SALMDAT.qvsave-<process>-<n>". Hidden, so that a
// run killed in the middle leaves nothing that looks like a data file.
std::string besideName(const std::string& target, std::string_view kind, int n) {
  const fs::path path(target);
  const std::string name = "." + path.filename().string() + ".qv" + std::string(kind) + "-" +
                           std::to_string(getpid()) + "-" + std::to_string(n);
  return (path.parent_path() / name).string();
}

// The file a name stands for: a symbolic link is followed, so the save replaces the file it names
// and the link stays.
std::string resolvedTarget(const std::string& name) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(name, ec))) return name;
  const fs::path resolved = fs::weakly_canonical(name, ec);
  return ec ? name : resolved.string();
}

// Why no file may be written under `target` (symbolic links followed already), or "": the name is
// held by a folder, by what is no regular file, or by a file that may not be written, which is not
// replaced behind its protection. `existed` tells whether a file of that name is there.
std::string targetRefused(const std::string& target, bool& existed) {
  existed = false;
  struct stat st = {};
  if (::stat(target.c_str(), &st) != 0) return errno == ENOENT ? std::string() : systemReason(errno);
  if (S_ISDIR(st.st_mode)) return systemReason(EISDIR);
  if (!S_ISREG(st.st_mode)) return "Not a regular file";
  if (::access(target.c_str(), W_OK) != 0) return systemReason(errno);
  existed = true;
  return {};
}

bool writeAll(int fd, const std::vector<std::byte>& bytes) {
  const std::byte* at = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, at, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) {
      errno = ENOSPC;
      return false;
    }
    at += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

// Makes the renames durable; a folder that cannot be synced still holds the new names.
void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

// The journal: a header line whose word says which way an interrupted save goes ("forward" or
// "back   ", the same length, so that it can be overwritten in place), the number of files, then
// for each file four lines (E when the name held a file before, else N; the temporary file; the
// second name of the old file or an empty line; the name), and "end". Paths are absolute, so
// that the journal names files beside symbolic links' targets too.
constexpr std::string_view kJournalHeader = "qvsave journal ";
constexpr std::string_view kForward = "forward";
constexpr std::string_view kBack = "back   ";
constexpr std::string_view kJournalEnd = "end";

// A file of a save that a process left in a folder: its kind ("save", "keep" or "journal") and
// the process. Names of other files give nothing.
struct Leftover {
  std::string kind;
  long process = -1;
};

Leftover leftoverOf(const std::string& name) {
  Leftover l;
  if (name.empty() || name[0] != '.') return l;
  std::string_view rest;
  for (std::string_view kind : {"save", "keep", "journal"}) {
    const std::string marker = ".qv" + std::string(kind) + "-";
    const std::size_t at = name.rfind(marker);
    if (at == std::string::npos) continue;
    if (kind == "journal" ? at != 0 : at == 0) continue;
    rest = std::string_view(name).substr(at + marker.size());
    l.kind = kind;
    break;
  }
  const std::size_t dash = rest.find('-');
  if (l.kind.empty() || dash == 0 || dash == std::string_view::npos) return Leftover{};
  for (std::size_t k = 0; k < rest.size(); ++k)
    if (k != dash && !std::isdigit(static_cast<unsigned char>(rest[k]))) return Leftover{};
  l.process = std::stol(std::string(rest.substr(0, dash)));
  return l;
}

bool processRuns(long process) {
  if (process == static_cast<long>(getpid())) return true;
  return ::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
}

struct JournalEntry {
  bool existed = false;
  std::string temporary, kept, target;
};
struct Journal {
  bool whole = false;    // read to its end line
  bool forward = true;   // complete the save (else undo it)
  std::vector<JournalEntry> entries;
};

Journal readJournal(const fs::path& path) {
  Journal j;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  if (!std::getline(in, line) || line.rfind(kJournalHeader, 0) != 0) return j;
  const std::string_view word = std::string_view(line).substr(kJournalHeader.size());
  if (word != kForward && word != kBack) return j;
  j.forward = word == kForward;
  if (!std::getline(in, line) || line.empty() || line.size() > 4 ||
      line.find_first_not_of("0123456789") != std::string::npos)
    return j;
  const int count = std::stoi(line);
  for (int k = 0; k < count; ++k) {
    JournalEntry e;
    std::string existed;
    if (!std::getline(in, existed) || !std::getline(in, e.temporary) || !std::getline(in, e.kept) ||
        !std::getline(in, e.target) || (existed != "E" && existed != "N") || e.temporary.empty() || e.target.empty())
      return j;
    e.existed = existed == "E";
    j.entries.push_back(std::move(e));
  }
  j.whole = std::getline(in, line) && line == kJournalEnd;
  return j;
}

bool exists(const std::string& path) {
  struct stat st = {};
  return ::lstat(path.c_str(), &st) == 0;
}

// Carries out a whole journal; true when every step was done.
bool finishJournal(const Journal& j) {
  bool done = true;
  if (j.forward) {
    for (const JournalEntry& e : j.entries)
      if (exists(e.temporary) && ::rename(e.temporary.c_str(), e.target.c_str()) != 0) done = false;
    if (!done) return false;
    for (const JournalEntry& e : j.entries)
      if (!e.kept.empty()) ::unlink(e.kept.c_str());
    return true;
  }
  for (auto it = j.entries.rbegin(); it != j.entries.rend(); ++it) {
    const JournalEntry& e = *it;
    if (exists(e.temporary)) {
      ::unlink(e.temporary.c_str());  // never placed
    } else if (e.existed) {
      if (!e.kept.empty() && exists(e.kept) && ::rename(e.kept.c_str(), e.target.c_str()) != 0) done = false;
    } else if (exists(e.target) && ::unlink(e.target.c_str()) != 0) {
      done = false;
    }
  }
  return done;
}

}  // namespace

void finishInterruptedSaves(std::string_view folderName) {
  const fs::path folder = folderName.empty() ? fs::path(".") : fs::path(folderName);
  std::error_code ec;
  std::vector<std::pair<fs::path, Leftover>> found;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const Leftover l = leftoverOf(entry.path().filename().string());
    if (l.process >= 0 && !processRuns(l.process)) found.emplace_back(entry.path(), l);
  }
  if (found.empty()) return;
  std::set<long> blocked;  // processes whose journal could not be carried out
  for (const auto& [path, l] : found) {
    if (l.kind != "journal") continue;
    const Journal j = readJournal(path);
    if (!j.whole || finishJournal(j)) {
      // A journal cut short was being written: no rename had begun.
      ::unlink(path.c_str());
    } else {
      blocked.insert(l.process);
    }
  }
  for (const auto& [path, l] : found)
    if (l.kind != "journal" && blocked.count(l.process) == 0) ::unlink(path.c_str());
  syncFolder(folder);
}

SafeSave::~SafeSave() { removeLeftovers(); }

void SafeSave::add(std::string_view field, std::vector<std::byte> bytes) {
  File file;
  file.field = std::string(field);
  file.target = std::string(fileNameOf(field));
  file.bytes = std::move(bytes);
  files_.push_back(std::move(file));
}

bool SafeSave::fail(const File& file, std::string reason) {
  failure_.file = file.field;
  failure_.reason = std::move(reason);
  return false;
}

bool SafeSave::checkTarget(File& file) {
  file.target = resolvedTarget(file.target);
  std::string reason = targetRefused(file.target, file.existed);
  return reason.empty() ? true : fail(file, std::move(reason));
}

bool SafeSave::writeTemporary(File& file) {
  int fd = -1;
  for (int n = 0; fd < 0; ++n) {
    const std::string name = besideName(file.target, "save", n);
    fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      file.temporary = name;
    } else if (errno != EEXIST || n >= 100) {
      return fail(file, systemReason(errno));
    }
  }
  struct stat old = {};
  if (file.existed && ::stat(file.target.c_str(), &old) == 0) (void)::fchmod(fd, old.st_mode & 07777);
  bool ok = writeAll(fd, file.bytes) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  return ok ? true : fail(file, systemReason(error));
}

void SafeSave::refuse(SaveFailure why) {
  if (refused_) return;  // the first reason stands
  failure_ = std::move(why);
  refused_ = true;
}

bool SafeSave::commit() {
  if (refused_) return false;
  failure_ = SaveFailure{};
  FileSizeSignalIgnored sizeLimitFails;
  for (File& file : files_)
    if (!checkTarget(file)) return false;
  for (File& file : files_) {
    if (!writeTemporary(file)) {
      removeLeftovers();
      return false;
    }
  }
  // A second name for each old file, so that a failing rename can put it back. Where the file
  // system has no such names the save goes on without them.
  for (File& file : files_) {
    if (!file.existed) continue;
    for (int n = 0; n < 100; ++n) {
      const std::string name = besideName(file.target, "keep", n);
      if (::link(file.target.c_str(), name.c_str()) == 0) {
        file.kept = name;
        break;
      }
      if (errno != EEXIST) break;
    }
  }
  if (!writeJournal()) {
    removeLeftovers();
    return false;
  }
  for (File& file : files_) {
    if (::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
      fail(file, systemReason(errno));
      markJournalUndo();
      rollBack();
      // An undo that failed keeps its journal and the second names: the next load finishes it.
      if (!failure_.changed) {
        removeJournal();
        removeLeftovers();
      }
      return false;
    }
    file.temporary.clear();
    file.placed = true;
  }
  removeJournal();
  removeLeftovers();
  std::set<fs::path> folders;
  for (const File& file : files_) folders.insert(fs::path(file.target).parent_path());
  for (const fs::path& folder : folders) syncFolder(folder);
  files_.clear();
  return true;
}

bool SafeSave::writeJournal() {
  if (files_.empty()) return true;
  std::string text = std::string(kJournalHeader) + std::string(kForward) + "\n" + std::to_string(files_.size()) + "\n";
  for (const File& file : files_) {
    text += std::string(file.existed ? "E" : "N") + "\n" + fs::absolute(file.temporary).string() + "\n" +
            (file.kept.empty() ? "" : fs::absolute(file.kept).string()) + "\n" + fs::absolute(file.target).string() +
            "\n";
  }
  text += std::string(kJournalEnd) + "\n";
  const fs::path folder = fs::path(fileNameOf(files_.front().field)).parent_path();
  int fd = -1;
  for (int n = 0; fd < 0; ++n) {
    const std::string name =
        (folder / (".qvjournal-" + std::to_string(getpid()) + "-" + std::to_string(n))).string();
    fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      journal_ = name;
    } else if (errno != EEXIST || n >= 100) {
      return fail(files_.front(), systemReason(errno));
    }
  }
  std::vector<std::byte> bytes(text.size());
  std::memcpy(bytes.data(), text.data(), text.size());
  bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    removeJournal();
    return fail(files_.front(), systemReason(error));
  }
  syncFolder(folder);
  return true;
}

// From now on an interrupted save is undone, not completed.
void SafeSave::markJournalUndo() {
  if (journal_.empty()) return;
  const int fd = ::open(journal_.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return;
  const std::string word(kBack);
  (void)::pwrite(fd, word.data(), word.size(), static_cast<off_t>(kJournalHeader.size()));
  (void)::fsync(fd);
  ::close(fd);
}

void SafeSave::removeJournal() {
  if (journal_.empty()) return;
  ::unlink(journal_.c_str());
  journal_.clear();
}

void SafeSave::rollBack() {
  for (auto it = files_.rbegin(); it != files_.rend(); ++it) {
    File& file = *it;
    if (!file.placed) continue;
    const bool restored = file.existed ? !file.kept.empty() && ::rename(file.kept.c_str(), file.target.c_str()) == 0
                                       : ::unlink(file.target.c_str()) == 0;
    if (restored) {
      file.kept.clear();
      file.placed = false;
    } else {
      failure_.changed = true;
      file.kept.clear();  // the only copy left of the old file: never removed
    }
  }
}

void SafeSave::removeLeftovers() {
  for (File& file : files_) {
    if (!file.temporary.empty()) ::unlink(file.temporary.c_str());
    if (!file.kept.empty()) ::unlink(file.kept.c_str());
    file.temporary.clear();
    file.kept.clear();
  }
}

std::vector<std::byte> imageBytes(const std::int32_t* words, std::int32_t count) {
  const auto* first = reinterpret_cast<const std::byte*>(words);
  return std::vector<std::byte>(first, first + 4 * static_cast<std::size_t>(std::max(0, count)));
}

std::vector<std::byte> textBytes(std::string_view text) {
  std::vector<std::byte> bytes(text.size());
  if (!text.empty()) std::memcpy(bytes.data(), text.data(), text.size());
  return bytes;
}

Generation readGeneration(std::string_view field) {
  Generation g;
  const std::string name(fileNameOf(field));
  struct stat st = {};
  if (::stat(name.c_str(), &st) != 0) {
    if (errno == ENOENT) {
      g.missing = true;
    } else {
      g.failure = systemReason(errno);
    }
    return g;
  }
  if (S_ISDIR(st.st_mode)) {
    g.failure = systemReason(EISDIR);
    return g;
  }
  if (!S_ISREG(st.st_mode)) {
    g.failure = "Not a regular file";
    return g;
  }
  std::ifstream in(name, std::ios::binary);
  if (!in.is_open()) {
    g.failure = systemReason(errno != 0 ? errno : EACCES);
    return g;
  }
  const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    g.failure = systemReason(EIO);
    return g;
  }
  g.bytes.resize(raw.size());
  if (!raw.empty()) std::memcpy(g.bytes.data(), raw.data(), raw.size());
  return g;
}

namespace {

constexpr std::string_view kNotPutBack = "     Not every file could be put back as it was; each holds a whole generation.";

}  // namespace

void stopFailedSave(const SaveFailure& failure, std::string_view caller, std::int32_t screen) {
  ACERR(caller, failure.file, screen, "     Reason: " + failure.reason,
        failure.changed ? kNotPutBack : "     The data files are unchanged; the edits were not saved.");
}

void reportFailedSave(const SaveFailure& failure, std::string_view caller, std::int32_t screen, std::int32_t inUnit) {
  const std::string outcome[] = {
      failure.changed ? std::string(kNotPutBack) : "     The data files are unchanged.",
      "     The edits are kept: free some space, or make the folder and the files",
      "     writable, then save again."};
  reportWriteFailure(failure, caller, screen, inUnit, outcome);
}

void reportWriteFailure(const SaveFailure& failure, std::string_view caller, std::int32_t screen, std::int32_t inUnit,
                        std::span<const std::string> outcome) {
  std::vector<std::string> lines = accessErrorLines(caller, failure.file);
  lines.push_back("     Reason: " + failure.reason);
  lines.insert(lines.end(), outcome.begin(), outcome.end());
  lines.push_back(" ");
  for (const std::string& line : lines) writeRecord(screen, line);
  if (screen == kDiagnosticsUnit) return;
  WRTLIN("Press <RETURN> to continue: ", screen);
  (void)readReply(inUnit, 1);
}

std::string freshFileRefused(std::string_view field) {
  const std::string name(fileNameOf(field));
  const std::string target = resolvedTarget(name);
  bool existed = false;
  if (std::string reason = targetRefused(target, existed); !reason.empty()) return reason;
  // Named as a save's temporary file, so that a process killed right here leaves nothing that the
  // next load does not clear.
  for (int n = 0; n < 100; ++n) {
    const std::string probe = besideName(target, "save", n);
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      ::unlink(probe.c_str());
      return {};
    }
    if (errno != EEXIST) return systemReason(errno);
  }
  return systemReason(EEXIST);
}

}  // namespace qv
