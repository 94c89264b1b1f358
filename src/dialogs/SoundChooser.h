#pragma once
// The sound file chooser: the wave files of the search folders, a Test that
// plays the selected one, Assign and Close.
#include <QDialog>
#include <string>
#include <vector>

#include "dialogs/FolderFiles.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tandrel {

class Mixer;

// Shows the chooser modally: the path assigned, or current when it is closed.
std::string ChooseSoundFile(QWidget* parent, Mixer& mixer, const std::vector<SearchFolder>& folders,
                            const std::string& current);

class SoundChooser : public QDialog {
    Q_OBJECT
public:
    SoundChooser(QWidget* parent, Mixer& mixer, const std::vector<SearchFolder>& folders, const std::string& current);

    const std::string& Answer() const { return answer_; }

    QListWidget* lstFiles = nullptr;
    QLabel* lblFileCount = nullptr;
    QPushButton* cmdTest = nullptr;
    QPushButton* cmdAssign = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void cmdTest_Click();
    void cmdAssign_Click();

    Mixer& mixer_;
    std::vector<std::string> lstFiles2; // the full paths, at the positions of lstFiles
    std::string answer_;
};

} // namespace tandrel
