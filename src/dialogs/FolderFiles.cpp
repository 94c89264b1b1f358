#include "dialogs/FolderFiles.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <set>

namespace tandrel {

namespace {

bool ByName(const QFileInfo& a, const QFileInfo& b)
{
    const int c = QString::compare(a.fileName(), b.fileName(), Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a.fileName() < b.fileName();
}

bool Wanted(const QFileInfo& fi, const std::vector<std::string>& extensions)
{
    // Not a regular file (a fifo, a socket, a device, a dangling link): a
    // chooser could hang or fail reading it.
    if (!fi.isFile()) return false;
    const std::string ext = fi.suffix().toLower().toStdString();
    return std::find(extensions.begin(), extensions.end(), ext) != extensions.end();
}

// The files of one folder: their names without the extension, and whole in lower case.
struct FilesBeside {
    std::set<QString> bases, lowerNames;
};

// "name@2x.<ext>" or "name@2x.png" beside a picture "name.<ext>": the finer
// copy that the table takes by itself on a finer screen, not a picture of its own.
bool FinerCopy(const QFileInfo& fi, const FilesBeside& beside)
{
    static const QRegularExpression finer(R"(^(.+)@[1-9][0-9]*x$)");
    const QRegularExpressionMatch m = finer.match(fi.completeBaseName());
    if (!m.hasMatch()) return false;
    const QString picture = m.captured(1);
    if (fi.suffix() == "png") return beside.bases.count(picture) > 0;
    return beside.lowerNames.count((picture + "." + fi.suffix()).toLower()) > 0;
}

void ListOne(const QString& dir, int depth, const std::vector<std::string>& extensions,
             std::vector<FolderFile>& found, std::size_t limit, std::set<QString>& seen)
{
    if (found.size() >= limit) return;
    const QString real = QFileInfo(dir).canonicalFilePath();
    if (real.isEmpty() || !QFileInfo(real).isDir() || !seen.insert(real).second) return;

    // Iterated rather than listed whole, so a folder of many thousands of files
    // is read once and never sorted whole.
    std::vector<QFileInfo> files;
    std::vector<QFileInfo> subfolders;
    // System entries are looked at too, so that the one test of a regular file decides.
    QDirIterator it(dir, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext() && files.size() < limit - found.size()) {
        it.next();
        const QFileInfo fi = it.fileInfo();
        if (fi.isDir()) {
            if (depth > 0 && !fi.isSymLink()) subfolders.push_back(fi);
        } else if (Wanted(fi, extensions)) {
            files.push_back(fi);
        }
    }
    FilesBeside beside;
    for (const QFileInfo& fi : files) {
        beside.bases.insert(fi.completeBaseName());
        beside.lowerNames.insert(fi.fileName().toLower());
    }
    std::erase_if(files, [&beside](const QFileInfo& fi) { return FinerCopy(fi, beside); });
    std::sort(files.begin(), files.end(), ByName);
    for (const QFileInfo& fi : files)
        found.push_back({fi.fileName().toStdString(), QFile::encodeName(fi.absoluteFilePath()).toStdString()});

    std::sort(subfolders.begin(), subfolders.end(), ByName);
    for (const QFileInfo& sub : subfolders) ListOne(sub.absoluteFilePath(), depth - 1, extensions, found, limit, seen);
}

} // namespace

std::vector<FolderFile> ListFiles(const std::vector<SearchFolder>& folders, const std::vector<std::string>& extensions,
                                  std::size_t limit)
{
    std::vector<FolderFile> found;
    std::set<QString> seen;
    for (const SearchFolder& f : folders)
        if (!f.path.empty()) ListOne(QFile::decodeName(f.path.c_str()), f.depth, extensions, found, limit, seen);
    return found;
}

std::vector<std::string> FillFileList(QListWidget& list, const std::vector<SearchFolder>& folders,
                                      const std::vector<std::string>& extensions)
{
    std::vector<std::string> paths;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const FolderFile& f : ListFiles(folders, extensions)) {
        auto* item = new QListWidgetItem(QString::fromStdString(f.name), &list);
        item->setToolTip(QFile::decodeName(f.path.c_str()));
        paths.push_back(f.path);
    }
    QApplication::restoreOverrideCursor();
    return paths;
}

std::vector<SearchFolder> PictureFolders(const std::string& programFolder)
{
    std::vector<SearchFolder> folders{{programFolder, 0}, {"/usr/share/backgrounds", SubfolderDepth}};
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    // Without a pictures folder of its own the user's whole home would be searched.
    if (!pictures.isEmpty() && QDir(pictures) != QDir::home())
        folders.emplace_back(QFile::encodeName(pictures).toStdString(), SubfolderDepth);
    return folders;
}

std::vector<SearchFolder> SoundFolders(const std::string& programFolder)
{
    return {{programFolder, 0}, {"/usr/share/sounds", SubfolderDepth}};
}

const std::vector<std::string>& PictureExtensions()
{
    static const std::vector<std::string> ext{"bmp", "png", "jpg", "jpeg"};
    return ext;
}

const std::vector<std::string>& SoundExtensions()
{
    static const std::vector<std::string> ext{"wav"};
    return ext;
}

} // namespace tandrel
