#pragma once
// What the two choosers list: the files of a few folders whose extension is
// one of a set, each entry with its own full path, so that the same name found
// in two folders is two entries. The desktop's folders can be large, so their
// subfolders are searched only a few levels down and the list has a ceiling.
#include <cstddef>
#include <string>
#include <vector>

namespace tandrel {

// A folder to search, with its subfolders down to depth levels (0: the folder alone).
struct SearchFolder {
    std::string path;
    int depth = 0;
    SearchFolder(std::string p, int d = 0) : path(std::move(p)), depth(d) {}
    SearchFolder(const char* p, int d = 0) : path(p), depth(d) {}
};

constexpr int SubfolderDepth = 3;
constexpr std::size_t MaxListedFiles = 2000;

struct FolderFile {
    std::string name; // what the list shows (UTF-8)
    std::string path; // the full path, as the file system spells it
};

// Appends the regular files of folder whose extension, in any case, is one of
// extensions (lower case, no dot): the folder's own files by name, then each
// subfolder's in turn, until found holds limit entries. A missing folder adds
// nothing; hidden files and folders and folders reached through links are left out.
void ListFolderFiles(const SearchFolder& folder, const std::vector<std::string>& extensions,
                     std::vector<FolderFile>& found, std::size_t limit = MaxListedFiles);

// Every folder in turn; a folder met a second time is not listed again.
std::vector<FolderFile> ListFiles(const std::vector<SearchFolder>& folders,
                                  const std::vector<std::string>& extensions,
                                  std::size_t limit = MaxListedFiles);

// Where the choosers look on this system, the program folder first.
std::vector<SearchFolder> PictureFolders(const std::string& programFolder);
std::vector<SearchFolder> SoundFolders(const std::string& programFolder);
const std::vector<std::string>& PictureExtensions();
const std::vector<std::string>& SoundExtensions();

} // namespace tandrel
