#pragma once
// "Game Settings": who plays and how. Player changes, the card back, the table
// colour, the win and loss sounds and the table picture take effect at once
// and survive Cancel; the rest is edited in a copy of the settings that OK
// hands back, asking for a new deal, and Cancel drops.
#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <string>

#include "engine/Game.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;

namespace tandrel {

class QtTable;

// The windows the dialog opens to choose things; tests put their own hand here.
struct SettingsChoosers {
    std::function<std::string()> picture;                          // a picture's path, "" when cancelled
    std::function<std::string(const std::string& current)> sound;  // the chosen wave file, or current
    std::function<long(long current)> colour;                      // -1 when cancelled
};

// The platform's colour chooser opened on the current colour; -1 when cancelled.
long ChooseTableColor(QWidget* owner, long initial);

class GameSettingsDialog : public QDialog {
    Q_OBJECT
public:
    GameSettingsDialog(QWidget* parent, Game& g, QtTable& table, SettingsChoosers choosers);

    bool NewGameConfirmed = false;
    // False once a write of the settings file failed while the dialog was open.
    bool Stored() const { return stored_; }
    const QImage& Preview() const { return picTemp_; }

    void ShowSettings();
    void PreviewTable();

    QListWidget* lstPlayers;
    QPushButton *cmdAdd, *cmdRemove;
    std::array<QRadioButton*, 3> optDraw;
    std::array<QRadioButton*, 4> optStyle; // Beginner .. Master
    std::array<QRadioButton*, 2> optBack;
    QSlider *hscPlaySpeed, *hscSpeed, *hscCardBack;
    QCheckBox *chkAnimate, *chkSound, *chkSolid, *chkShowStats, *chkAutoSave;
    QPushButton *cmdWin, *cmdLose, *cmdColor, *cmdBack, *cmdOK, *cmdCancel;
    QLabel* picTemp;

private:
    QWidget* PlayerFrame();
    QWidget* DrawFrame();
    QWidget* OpponentFrame();
    QWidget* AnimationFrame();
    QWidget* SoundsFrame();
    QWidget* AppearanceFrame();
    void SetTabOrder();
    void ListPlayers();
    void lstPlayers_Click();
    void PlayerChanged();
    void cmdAdd_Click();
    void cmdRemove_Click();
    void optBack_Click();
    void ReadControls();
    void cmdColor_Click();
    void cmdBack_Click();
    void hscCardBack_Change();
    void cmdOK_Click();
    void cmdCancel_Click();
    void Store(bool ok);

    Game& g_;
    QtTable& table_;
    SettingsChoosers choosers_;
    bool stored_ = true;
    Settings edited_; // what the controls show, for OK to hand back
    QImage picTemp_;
};

} // namespace tandrel
