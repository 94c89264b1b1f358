#pragma once
// The background picture chooser: the pictures of the search folders, a
// sample of the table tiled with the one selected, OK and Cancel.
#include <QDialog>
#include <QImage>
#include <string>
#include <vector>

#include "dialogs/FolderFiles.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tandrel {

// Shows the chooser modally: the full path of the picture chosen, or "" when cancelled.
std::string ChooseBackgroundPicture(QWidget* parent, const std::vector<SearchFolder>& folders);

class PictureChooser : public QDialog {
    Q_OBJECT
public:
    static constexpr int SampleWidth = 200;
    static constexpr int SampleHeight = 150;
    // Pictures of more pixels than this are refused: the table would stall reading them.
    static constexpr long long LargestPicture = 4096LL * 4096;

    PictureChooser(QWidget* parent, const std::vector<SearchFolder>& folders);

    const std::string& Answer() const { return answer_; }
    const QImage& Sample() const { return sample_; }

    QListWidget* lstFiles = nullptr;
    QLabel* picSample = nullptr;
    QLabel* lblMessage = nullptr; // says when a picture cannot be shown
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void lstFiles_Click();
    void cmdOK_Click();

    std::vector<std::string> lstFiles2; // the full paths, at the positions of lstFiles
    QImage sample_;
    bool loaded_ = false; // the selected picture could be read
    std::string answer_;
};

} // namespace tandrel
