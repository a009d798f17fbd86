#pragma once

#include <string>

#include "text/TString.h"

// Paths are UTF-8 texts inside the program (the file system's bytes); they
// become native paths at the moment a file is opened, through these two.

/// The native path of a program path.
std::string NativePath(const CLSTString& path);
/// The program path of a native one; every name has one.
bool PathFromNative(const std::string& nativePath, CLSTString& path);

/// Whether the path names a regular file (not a folder, pipe or device,
/// which the program never reads).
bool FileExists(const CLSTString& path);
bool NativeFileExists(const std::string& nativePath);
/// A descriptor of a regular file opened with the open(2) flags (for
/// writing, also a character device), or -1 for anything else; never
/// waits, even on a named pipe.
int OpenRegularFile(const std::string& nativePath, int flags);
/// Position just after the last '/' or '\' , 0 if none.
int FileNamePosition(const CLSTString& path);
/// Folder part without the final separator ("" for a bare name).
CLSTString FolderOf(const CLSTString& path);
CLSTString FileNameOf(const CLSTString& path);
/// folder + "/" + name; name alone when it is absolute or folder is empty.
CLSTString JoinPath(const CLSTString& folder, const CLSTString& name);
bool IsAbsolutePath(const CLSTString& path);
/// A relative path as seen from the current folder, made absolute with
/// "." and ".." resolved by name; an absolute path unchanged, and a
/// relative one too when the current folder has no CP932 name.
CLSTString AbsolutePath(const CLSTString& path);

/// The path of toFile as seen from the folder of fromFile ("pics/a.png",
/// "../b/c.png"), both absolute; toFile unchanged when either is relative.
/// "." and ".." parts are resolved by their names, not by the file system.
CLSTString RelativePath(const CLSTString& fromFile, const CLSTString& toFile);
/// Whether two paths lie on the same file system (what "the same drive"
/// means here); false when either cannot be reached. A file that does not
/// exist yet counts by its folder.
bool OnSameFileSystem(const CLSTString& a, const CLSTString& b);
/// The native folder for temporary files: $TMPDIR when it is set, else /tmp.
std::string TempFolder();
