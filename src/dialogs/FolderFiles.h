#pragma once
// What the two choosers list: the files of a few folders whose extension is
// one of a set, each entry with its own full path, so that the same name found
// in two folders is two entries. The desktop's folders can be large, so their
// subfolders are searched only a few levels down and the list has a ceiling.
#include <cstddef>
#include <string>
#include <vector>

class QListWidget;

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

// The regular files of each folder in turn whose extension, in any case, is
// one of extensions (lower case, no dot): a folder's own files by name, then
// each subfolder's, until limit entries are found. A missing folder adds
// nothing, a folder met a second time is not listed again; hidden files and
// folders and folders reached through links are left out, and so is a finer
// copy "name@2x.<ext>" or "name@2x.png" (any @Nx) of a file "name.<ext>" of the
// same folder.
std::vector<FolderFile> ListFiles(const std::vector<SearchFolder>& folders,
                                  const std::vector<std::string>& extensions,
                                  std::size_t limit = MaxListedFiles);

// Fills a chooser's list with them under a busy cursor, each with its full path
// as a tip (which tells two of one name apart); gives the paths row by row.
std::vector<std::string> FillFileList(QListWidget& list, const std::vector<SearchFolder>& folders,
                                      const std::vector<std::string>& extensions);

// Where the choosers look on this system, the program folder first.
std::vector<SearchFolder> PictureFolders(const std::string& programFolder);
std::vector<SearchFolder> SoundFolders(const std::string& programFolder);
const std::vector<std::string>& PictureExtensions();
const std::vector<std::string>& SoundExtensions();

} // namespace tandrel
