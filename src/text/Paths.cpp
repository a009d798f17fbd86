#include "text/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

// Paths are the file system's bytes (nearly always UTF-8) in the program
// too, so the two forms are the same.
std::string NativePath(const CLSTString& path) {
    return path.str();
}

bool PathFromNative(const std::string& nativePath, CLSTString& path) {
    path = CLSTString::fromBytes(nativePath.data(), static_cast<int>(nativePath.size()));
    return true;
}

bool NativeFileExists(const std::string& nativePath) {
    struct stat st;
    return ::stat(nativePath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int OpenRegularFile(const std::string& nativePath, int flags) {
    // Without O_NONBLOCK, opening a named pipe waits for a writer that may
    // never come; a device would be read forever.
    int fd;
    do {
        fd = ::open(nativePath.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return -1;
    struct stat st;
    bool writing = (flags & O_ACCMODE) != O_RDONLY;
    // A file written to may be a device (a full disk is tried on /dev/full),
    // but never a pipe, whose buffer would fill and then wait.
    bool usable =
        ::fstat(fd, &st) == 0 && (S_ISREG(st.st_mode) || (writing && S_ISCHR(st.st_mode)));
    if (!usable) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool FileExists(const CLSTString& path) {
    return NativeFileExists(NativePath(path));
}

int FileNamePosition(const CLSTString& path) {
    const char* p = path.text();
    int len = path.length();
    int after = 0;
    for (int pos = 0; pos < len;) {
        int n = charLengthAt(p, pos, len);
        if (n == 1 && (p[pos] == '/' || p[pos] == '\\')) after = pos + 1;
        pos += n;
    }
    return after;
}

CLSTString FolderOf(const CLSTString& path) {
    int pos = FileNamePosition(path);
    if (pos == 0) return CLSTString();
    if (pos == 1) return path.substring(0, 1);  // the root
    return path.substring(0, pos - 1);
}

CLSTString FileNameOf(const CLSTString& path) {
    return path.substring(FileNamePosition(path));
}

bool IsAbsolutePath(const CLSTString& path) {
    const char* p = path.text();
    if (path.length() >= 1 && (p[0] == '/' || p[0] == '\\')) return true;
    // A drive letter: names written on another system stay recognisable.
    return path.length() >= 3 && p[1] == ':' && (p[2] == '\\' || p[2] == '/');
}

CLSTString JoinPath(const CLSTString& folder, const CLSTString& name) {
    if (folder.isEmpty() || IsAbsolutePath(name)) return name;
    CLSTString out(folder);
    char last = folder.text()[folder.length() - 1];
    bool endsWithSeparator =
        (last == '/' || last == '\\') && FileNamePosition(folder) == folder.length();
    if (!endsWithSeparator) out.append('/');
    return out.append(name);
}

namespace {

// The parts of an absolute path with "." and ".." resolved by name.
std::vector<std::string> pathParts(const std::string& path) {
    std::vector<std::string> parts;
    size_t at = 0;
    while (at <= path.size()) {
        size_t slash = path.find('/', at);
        if (slash == std::string::npos) slash = path.size();
        std::string part = path.substr(at, slash - at);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        at = slash + 1;
    }
    return parts;
}

// The device of a path, or of the nearest folder above it that exists.
bool deviceOf(std::string native, dev_t* device) {
    struct stat st;
    while (!native.empty()) {
        if (::stat(native.c_str(), &st) == 0) {
            *device = st.st_dev;
            return true;
        }
        size_t slash = native.find_last_of('/');
        if (slash == std::string::npos) return false;
        native = slash == 0 ? "/" : native.substr(0, slash);
        if (native == "/" && ::stat("/", &st) == 0) {
            *device = st.st_dev;
            return true;
        }
    }
    return false;
}

}  // namespace

CLSTString RelativePath(const CLSTString& fromFile, const CLSTString& toFile) {
    // Worked out on the native names, the form the file system compares.
    std::string from = NativePath(fromFile);
    std::string to = NativePath(toFile);
    if (from.empty() || to.empty() || from[0] != '/' || to[0] != '/') return toFile;
    std::vector<std::string> base = pathParts(from);
    if (!base.empty()) base.pop_back();  // the folder of the file
    std::vector<std::string> target = pathParts(to);
    size_t common = 0;
    while (common < base.size() && common + 1 < target.size() && base[common] == target[common]) {
        ++common;
    }
    std::string relative;
    for (size_t i = common; i < base.size(); ++i)
        relative += "../";
    for (size_t i = common; i < target.size(); ++i) {
        relative += target[i];
        if (i + 1 < target.size()) relative += '/';
    }
    CLSTString out;
    PathFromNative(relative, out);
    return out;
}

CLSTString AbsolutePath(const CLSTString& path) {
    if (path.isEmpty() || IsAbsolutePath(path)) return path;
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) return path;
        buffer.resize(buffer.size() * 2);
    }
    std::string joined = std::string(buffer.data()) + "/" + NativePath(path);
    std::string absolute;
    for (const std::string& part : pathParts(joined))
        absolute += "/" + part;
    CLSTString out;
    if (!PathFromNative(absolute.empty() ? "/" : absolute, out)) return path;
    return out;
}

bool OnSameFileSystem(const CLSTString& a, const CLSTString& b) {
    dev_t da = 0;
    dev_t db = 0;
    return deviceOf(NativePath(a), &da) && deviceOf(NativePath(b), &db) && da == db;
}

std::string TempFolder() {
    const char* dir = std::getenv("TMPDIR");
    if (!dir || !*dir) return "/tmp";
    std::string folder = dir;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}
