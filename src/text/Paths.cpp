#include "text/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "text/Codec.h"

std::string NativePath(const CLSTString& path) {
    return Cp932ToUtf8(path.view());
}

bool PathFromNative(const std::string& nativePath, CLSTString& path) {
    std::string out;
    bool ok = Utf8ToCp932(nativePath, out);
    path = CLSTString(out);
    return ok;
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

CLSTString ExtensionOf(const CLSTString& path) {
    CLSTString name = FileNameOf(path);
    int dot = -1;
    for (int pos = 0; pos < name.length();) {
        int n = charLengthAt(name.text(), pos, name.length());
        if (n == 1 && name.text()[pos] == '.') dot = pos;
        pos += n;
    }
    return dot <= 0 ? CLSTString() : name.substring(dot);
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
