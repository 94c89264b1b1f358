#pragma once
// The handbook window: the game's own HTML handbook in a text browser with
// Back, Forward and Home. It needs no web browser and no network; a missing
// handbook is said in the window.
#include <QDialog>
#include <QString>
#include <string>

class QPushButton;
class QTextBrowser;

namespace tandrel {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // folder holds index.html, the handbook's contents.
    explicit HelpWindow(const QString& folder, QWidget* owner = nullptr);

    // Shows the contents page, or the message that the handbook is missing.
    void ShowContents();
    bool HandbookFound() const;

    QTextBrowser* txtHelp;
    QPushButton* cmdBack;
    QPushButton* cmdForward;
    QPushButton* cmdHome;

private:
    QString contents_;
};

// Where the handbook lies: the folder handbook among the default files (beside
// a build-folder program, share/tandrel for an installed one).
QString HandbookFolder(const std::string& defaultFilesFolder);

// Opens the handbook window of owner at its contents, making it the first time;
// the window stays open beside the game.
HelpWindow& ShowHelpTopics(QWidget& owner, const std::string& defaultFilesFolder);

} // namespace tandrel
