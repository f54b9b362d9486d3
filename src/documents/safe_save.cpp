#include "documents/safe_save.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "documents/read_file.h"

namespace brevane {

namespace {

struct Failure {
    std::string file;
    std::string reason;
};

std::string reasonOf(int err) {
    return std::strerror(err);
}

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A link is followed so that the file it points at is replaced and the link itself stays.
std::string resolveLinks(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

int writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Writes `bytes` to a new temporary file beside `target`, with the given permissions and owner, and
// flushes it to disk. Returns the temporary's path, or the error number with nothing left behind.
std::optional<std::string> writeTemporary(const std::string& target, const std::string& bytes,
                                          const struct stat* like, int& err) {
    static std::atomic<unsigned> counter{0};
    const mode_t mode = like ? (like->st_mode & 07777) : 0666;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folderOf(target) + "/." + nameOf(target) + ".brevane-" + std::to_string(::getpid()) + "-" +
               std::to_string(counter++) + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        err = errno;
        return std::nullopt;
    }
    if (like) {
        // The umask may have taken bits away; the replacement keeps exactly the old file's rights,
        // and its owner where we may set it.
        (void)::fchmod(fd, mode);
        if (like->st_uid != ::geteuid() || like->st_gid != ::getegid())
            (void)::fchown(fd, like->st_uid, like->st_gid);
    }
    err = writeAll(fd, bytes);
    if (!err && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (err) {
        ::unlink(temp.c_str());
        return std::nullopt;
    }
    return temp;
}

struct Prepared {
    std::string target;                 // the file to replace (links followed)
    std::string temp;                   // its new contents
    std::optional<std::string> old;     // its previous contents, when it existed
    std::optional<std::string> bakTemp; // those contents, ready to become <target>.bak
};

void removeTemporaries(const std::vector<Prepared>& prepared) {
    for (const Prepared& p : prepared) {
        if (!p.temp.empty()) ::unlink(p.temp.c_str());
        if (p.bakTemp) ::unlink(p.bakTemp->c_str());
    }
}

std::optional<Failure> prepare(const FileToWrite& file, Prepared& out) {
    out.target = resolveLinks(file.path);
    struct stat st {};
    const bool exists = ::stat(out.target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return Failure{file.path, reasonOf(errno)};
    if (exists) {
        if (S_ISDIR(st.st_mode)) return Failure{file.path, reasonOf(EISDIR)};
        if (!S_ISREG(st.st_mode)) return Failure{file.path, "Not a regular file"};
        // A file the user made read-only is not replaced behind their back.
        if (::access(out.target.c_str(), W_OK) != 0) return Failure{file.path, reasonOf(errno)};
        FileText previous = ReadFile(out.target);
        if (!previous.ok) return Failure{file.path, previous.error};
        out.old = std::move(previous.text);
        int err = 0;
        out.bakTemp = writeTemporary(out.target + ".bak", *out.old, &st, err);
        if (!out.bakTemp) return Failure{file.path + ".bak", reasonOf(err)};
    }
    int err = 0;
    std::optional<std::string> temp = writeTemporary(out.target, file.bytes, exists ? &st : nullptr, err);
    if (!temp) return Failure{file.path, reasonOf(err)};
    out.temp = *temp;
    return std::nullopt;
}

// Puts back the targets already replaced when a later rename failed.
void rollBack(const std::vector<Prepared>& prepared, std::size_t replaced) {
    for (std::size_t i = 0; i < replaced; ++i) {
        const Prepared& p = prepared[i];
        if (!p.old) {
            ::unlink(p.target.c_str());
            continue;
        }
        struct stat st {};
        const bool known = ::stat(p.target.c_str(), &st) == 0;
        int err = 0;
        if (auto temp = writeTemporary(p.target, *p.old, known ? &st : nullptr, err))
            if (::rename(temp->c_str(), p.target.c_str()) != 0) ::unlink(temp->c_str());
    }
}

void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

SaveOutcome writeFilesSafely(const std::vector<FileToWrite>& files) {
    std::vector<Prepared> prepared(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (std::optional<Failure> failure = prepare(files[i], prepared[i])) {
            removeTemporaries(prepared);
            return SaveOutcome{false, failure->file, failure->reason};
        }
    }

    // Backups first: they touch only the .bak files, so a failure here leaves every target as it was.
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        Prepared& p = prepared[i];
        if (!p.bakTemp) continue;
        if (::rename(p.bakTemp->c_str(), (p.target + ".bak").c_str()) != 0) {
            int err = errno;
            removeTemporaries(prepared);
            return SaveOutcome{false, files[i].path + ".bak", reasonOf(err)};
        }
        p.bakTemp.reset();
    }
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        if (::rename(prepared[i].temp.c_str(), prepared[i].target.c_str()) != 0) {
            int err = errno;
            rollBack(prepared, i);
            std::vector<Prepared> rest(prepared.begin() + static_cast<std::ptrdiff_t>(i), prepared.end());
            removeTemporaries(rest);
            return SaveOutcome{false, files[i].path, reasonOf(err)};
        }
    }

    std::set<std::string> folders;
    for (const Prepared& p : prepared)
        folders.insert(folderOf(p.target));
    for (const std::string& folder : folders)
        syncFolder(folder);
    return SaveOutcome{};
}

std::string saveFailureMessage(const SaveOutcome& outcome) {
    return "Could not save " + outcome.file + ": " + outcome.reason +
           ".\n\nNo file was replaced; User.ini and UT2004.ini are as they were before the save.";
}

} // namespace brevane
