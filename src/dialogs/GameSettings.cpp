#include "dialogs/GameSettings.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/AskText.h"
#include "dialogs/CenterForm.h"
#include "dialogs/DialogParts.h"
#include "dialogs/FocusKeys.h"
#include "dialogs/ShowModal.h"
#include "engine/Layout.h"
#include "render/QtTable.h"
#include "store/Players.h"
#include "store/Profile.h"
#include "store/SettingsFile.h"

namespace tandrel {

namespace {

constexpr int PreviewWidth = 168;
constexpr int PreviewHeight = 136;     // the gradient's 64 bands need 128 pixels
constexpr int NewPlayerNameLength = 35;

QSlider* Bar(QWidget* parent, const char* name, int min, int max)
{
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(min, max);
    bar->setPageStep(std::max(1, (max - min) / 10));
    return bar;
}

// A bar with its caption above, whose access key it takes, and "Faster" at its right end.
void AddBar(QGridLayout* grid, int row, const char* caption, QSlider* bar)
{
    auto* label = new QLabel(caption);
    label->setBuddy(bar);
    grid->addWidget(label, row, 0, 1, 2);
    grid->addWidget(bar, row + 1, 0);
    grid->addWidget(new QLabel("Faster"), row + 1, 1);
}

template <typename T>
T* Named(T* w, const char* name)
{
    w->setObjectName(name);
    return w;
}

std::string Trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

} // namespace

long ChooseTableColor(QWidget* owner, long initial)
{
    const QColor start(QtTable::ColorPart(initial, 1), QtTable::ColorPart(initial, 2), QtTable::ColorPart(initial, 3));
    QColorDialog dlg(start, owner);
    if (ShowModal(dlg) != QDialog::Accepted) return -1;
    const QColor c = dlg.selectedColor();
    if (!c.isValid()) return -1;
    return c.red() | (c.green() << 8) | (static_cast<long>(c.blue()) << 16);
}

GameSettingsDialog::GameSettingsDialog(QWidget* parent, Game& g, QtTable& table, SettingsChoosers choosers)
    : QDialog(parent), g_(g), table_(table), choosers_(std::move(choosers)),
      picTemp_(PreviewWidth, PreviewHeight, QImage::Format_RGB32)
{
    setObjectName("frmNewGame");
    setWindowTitle("Game Settings");
    if (!choosers_.colour) choosers_.colour = [this](long c) { return ChooseTableColor(this, c); };

    auto* left = new QVBoxLayout;
    left->addWidget(PlayerFrame());
    left->addWidget(DrawFrame());
    left->addWidget(OpponentFrame());
    auto* right = new QVBoxLayout;
    right->addWidget(AnimationFrame());
    right->addWidget(SoundsFrame());
    right->addWidget(AppearanceFrame());

    chkShowStats = Named(new QCheckBox("Show S&tats"), "chkShowStats");
    chkAutoSave = Named(new QCheckBox("Auto Sa&ve"), "chkAutoSave");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkShowStats);
    bottom->addWidget(chkAutoSave);
    bottom->addWidget(OkCancelBox(this, cmdOK, cmdCancel));

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* all = new QVBoxLayout(this);
    all->addLayout(columns);
    all->addLayout(bottom);
    all->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &GameSettingsDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &GameSettingsDialog::cmdCancel_Click);

    SetTabOrder();
    ListPlayers();
    ShowSettings();
    adjustSize();
    CenterForm(*this);
}

QWidget* GameSettingsDialog::PlayerFrame()
{
    auto* frame = new KeyedFrame("&Player", [this] { return lstPlayers; });
    lstPlayers = Named(new QListWidget, "lstPlayers");
    lstPlayers->setMinimumHeight(90);
    cmdAdd = Named(new QPushButton("&Add"), "cmdAdd");
    cmdRemove = Named(new QPushButton("&Remove"), "cmdRemove");
    cmdRemove->setEnabled(false);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdRemove);
    buttons->addStretch();
    auto* row = new QHBoxLayout(frame);
    row->addWidget(lstPlayers);
    row->addLayout(buttons);
    connect(lstPlayers, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) lstPlayers_Click();
    });
    connect(cmdAdd, &QPushButton::clicked, this, &GameSettingsDialog::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &GameSettingsDialog::cmdRemove_Click);
    return frame;
}

QWidget* GameSettingsDialog::DrawFrame()
{
    // The options are one stop for Tab and the frame's key, the arrows choose.
    auto* frame = new KeyedFrame("&Draw", [this] { return CheckedOf(optDraw); });
    auto* row = new QHBoxLayout(frame);
    const char* captions[] = {"One", "Two", "Three"};
    for (int i = 0; i < 3; ++i) {
        optDraw[i] = Named(new QRadioButton(captions[i]), "optDraw");
        row->addWidget(optDraw[i]);
    }
    TabToChecked(optDraw);
    return frame;
}

QWidget* GameSettingsDialog::OpponentFrame()
{
    auto* frame = new KeyedFrame("Oppo&nent", [this] { return CheckedOf(optStyle); });
    auto* grid = new QGridLayout(frame);
    auto* styles = new QHBoxLayout;
    const char* captions[] = {"Beginner", "Intermediate", "Expert"};
    for (int i = 0; i < 3; ++i) {
        optStyle[i] = Named(new QRadioButton(captions[i]), "optStyle");
        styles->addWidget(optStyle[i]);
    }
    TabToChecked(optStyle);
    grid->addLayout(styles, 0, 0, 1, 2);
    hscPlaySpeed = Bar(frame, "hscPlaySpeed", 0, 500);
    AddBar(grid, 1, "Pla&y Speed", hscPlaySpeed);
    return frame;
}

QWidget* GameSettingsDialog::AnimationFrame()
{
    auto* frame = new QGroupBox("Animation");
    auto* grid = new QGridLayout(frame);
    chkAnimate = Named(new QCheckBox("Ani&mation"), "chkAnimate");
    grid->addWidget(chkAnimate, 0, 0, 1, 2);
    hscSpeed = Bar(frame, "hscSpeed", 3, 23);
    AddBar(grid, 1, "Animation Sp&eed", hscSpeed);
    return frame;
}

QWidget* GameSettingsDialog::SoundsFrame()
{
    auto* frame = new QGroupBox("Sounds");
    auto* row = new QHBoxLayout(frame);
    chkSound = Named(new QCheckBox("So&unds"), "chkSound");
    cmdWin = Named(new QPushButton("&Win"), "cmdWin");
    cmdLose = Named(new QPushButton("&Loss"), "cmdLose");
    row->addWidget(chkSound);
    row->addStretch();
    row->addWidget(cmdWin);
    row->addWidget(cmdLose);
    connect(cmdWin, &QPushButton::clicked, this, [this] {
        if (choosers_.sound) g_.cfg.WavFiles[0] = choosers_.sound(g_.cfg.WavFiles[0]);
    });
    connect(cmdLose, &QPushButton::clicked, this, [this] {
        if (choosers_.sound) g_.cfg.WavFiles[1] = choosers_.sound(g_.cfg.WavFiles[1]);
    });
    return frame;
}

QWidget* GameSettingsDialog::AppearanceFrame()
{
    auto* frame = new QGroupBox("Appearance");
    auto* grid = new QGridLayout(frame);
    optBack[0] = Named(new QRadioButton("&Background image"), "optBack");
    optBack[1] = Named(new QRadioButton("Colored back&ground"), "optBack");
    optBack[0]->setChecked(true);
    TabToChecked(optBack);
    chkSolid = Named(new QCheckBox("&Solid background colors"), "chkSolid");
    cmdColor = Named(new QPushButton("C&hange Color"), "cmdColor");
    cmdBack = Named(new QPushButton("Change &Image"), "cmdBack");
    cmdColor->setEnabled(false);
    cmdBack->setEnabled(false);
    hscCardBack = Bar(frame, "hscCardBack", 0, 9);
    hscCardBack->setPageStep(1);
    picTemp = Named(new QLabel, "picTemp");
    picTemp->setFixedSize(PreviewWidth, PreviewHeight);

    auto* choices = new QVBoxLayout;
    choices->addWidget(optBack[0]);
    choices->addWidget(cmdBack);
    choices->addWidget(optBack[1]);
    choices->addWidget(chkSolid);
    choices->addWidget(cmdColor);
    auto* cardBack = new QLabel("Card Bac&k");
    cardBack->setBuddy(hscCardBack);
    choices->addWidget(cardBack);
    choices->addWidget(hscCardBack);
    choices->addStretch();
    grid->addLayout(choices, 0, 0);
    grid->addWidget(picTemp, 0, 1);

    for (int i = 0; i < 2; ++i)
        connect(optBack[i], &QRadioButton::clicked, this, [this, i] { optBack_Click(i); });
    connect(chkSolid, &QCheckBox::clicked, this, [this] { PreviewTable(); });
    connect(cmdColor, &QPushButton::clicked, this, &GameSettingsDialog::cmdColor_Click);
    connect(cmdBack, &QPushButton::clicked, this, &GameSettingsDialog::cmdBack_Click);
    connect(hscCardBack, &QSlider::valueChanged, this, &GameSettingsDialog::hscCardBack_Change);
    return frame;
}

// As the controls are laid out: the left column, the right, then the bottom row.
void GameSettingsDialog::SetTabOrder()
{
    ChainTabOrder({lstPlayers, cmdAdd, cmdRemove, optDraw[0], optDraw[1], optDraw[2], optStyle[0], optStyle[1],
                   optStyle[2], hscPlaySpeed, chkAnimate, hscSpeed, chkSound, cmdWin, cmdLose, optBack[0], cmdBack,
                   optBack[1], chkSolid, cmdColor, hscCardBack, chkShowStats, chkAutoSave, cmdOK, cmdCancel});
    lstPlayers->setFocus(); // the window opens at the first stop
}

void GameSettingsDialog::Store(bool ok)
{
    stored_ = stored_ && ok;
}

// Selecting the current player's entry switches to it, as any click would.
void GameSettingsDialog::ListPlayers()
{
    const PlayerList list = tandrel::ListPlayers(g_.cfg.SettingsFile, g_.cfg.CurrentPlayer);
    const QSignalBlocker quiet(lstPlayers);
    lstPlayers->clear();
    for (const std::string& name : list.names) lstPlayers->addItem(QString::fromStdString(name));
    if (list.names.empty()) return;
    lstPlayers->setCurrentRow(list.selected);
    lstPlayers_Click();
}

void GameSettingsDialog::lstPlayers_Click()
{
    const int row = lstPlayers->currentRow();
    if (row < 0) return;
    cmdRemove->setEnabled(row != 0);
    Store(SwitchPlayer(g_, lstPlayers->item(row)->text().toStdString()).stored);
    PlayerChanged();
}

// A new player brings its own caption and table picture.
void GameSettingsDialog::PlayerChanged()
{
    if (parentWidget()) parentWidget()->window()->setWindowTitle(QString::fromStdString(MainCaption(g_.cfg)));
    table_.LoadBackImage(g_.cfg.BackImage);
    ShowSettings();
}

void GameSettingsDialog::ShowSettings()
{
    const Settings& c = g_.cfg;
    const QSignalBlocker quietBack(hscCardBack);
    chkSound->setChecked(c.SoundOn != 0);
    chkAnimate->setChecked(c.Animate != 0);
    optDraw[std::clamp(c.FlipNum - 1, 0, 2)]->setChecked(true);
    optStyle[std::clamp(c.Style, 0, 2)]->setChecked(true);
    hscCardBack->setValue(c.CardBack - 56);
    hscSpeed->setValue(c.Speed);
    hscPlaySpeed->setValue(500 - c.PlaySpeed);
    chkShowStats->setChecked(c.ShowStats != 0);
    chkAutoSave->setChecked(c.AutoSave != 0);
    // Choosing the option sets Bkgrd and Gradiant from the controls: the
    // player's own gradient choice is put back afterwards.
    const int gradiant = c.Gradiant;
    if (c.Bkgrd == 0) {
        chkSolid->setChecked(gradiant == 0);
        optBack[1]->setChecked(true);
        optBack_Click(1);
    } else {
        optBack[0]->setChecked(true);
        optBack_Click(0);
    }
    g_.cfg.Gradiant = gradiant;
}

void GameSettingsDialog::optBack_Click(int index)
{
    cmdBack->setEnabled(index == 0);
    cmdColor->setEnabled(index == 1);
    chkSolid->setEnabled(index == 1);
    ReadBackgroundChoice();
    PreviewTable();
}

void GameSettingsDialog::ReadBackgroundChoice()
{
    Settings& c = g_.cfg;
    if (optBack[0]->isChecked()) {
        c.Bkgrd = 1;
    } else {
        c.Bkgrd = 0;
        c.Gradiant = chkSolid->isChecked() ? 0 : 1;
    }
}

void GameSettingsDialog::PreviewTable()
{
    Settings& c = g_.cfg;
    if (optBack[0]->isChecked()) {
        QtTable::FillColour(picTemp_, c.TableColor); // under a picture that is missing
        QtTable::TileBackground(table_.BackgroundPicture(), picTemp_);
    } else {
        QtTable::RepairTableColour(c.TableColor, !chkSolid->isChecked()); // 0 as the table shows it
        if (chkSolid->isChecked())
            QtTable::FillColour(picTemp_, c.TableColor);
        else
            QtTable::PaintGradient(picTemp_, c.TableColor);
    }
    const int x = static_cast<int>(std::nearbyint((PreviewWidth - CardWidth) / 2.0));
    const int y = static_cast<int>(std::nearbyint((PreviewHeight - CardHeight) / 2.0));
    table_.DrawCardOn(picTemp_, x, y, c.CardBack);
    picTemp->setPixmap(QPixmap::fromImage(picTemp_));
}

void GameSettingsDialog::hscCardBack_Change()
{
    g_.cfg.CardBack = 56 + hscCardBack->value();
    PreviewTable();
}

void GameSettingsDialog::cmdAdd_Click()
{
    std::vector<std::string> players;
    for (int i = 0; i < lstPlayers->count(); ++i) players.push_back(lstPlayers->item(i)->text().toStdString());
    const std::string name = Trim(AskText(this, "Type in the name of a new player.", "New Player", "",
                                          NewPlayerNameLength, [&players](const std::string& answer) {
                                              const std::string t = Trim(answer);
                                              return t.empty() ? std::string() : NewPlayerNameProblem(players, t);
                                          }));
    if (name.empty()) return;
    const PlayerResult added = AddPlayer(g_, name);
    Store(added.stored);
    if (added.refused) return;
    PlayerChanged();
    lstPlayers->addItem(QString::fromStdString(name));
    lstPlayers->setCurrentRow(lstPlayers->count() - 1);
    PreviewTable();
}

void GameSettingsDialog::cmdRemove_Click()
{
    const int row = lstPlayers->currentRow();
    if (row < 0) return;
    const RemoveResult removed = RemovePlayer(g_, lstPlayers->item(row)->text().toStdString());
    if (removed == RemoveResult::NotStored) Store(false);
    if (removed != RemoveResult::Removed) return;
    {
        const QSignalBlocker quiet(lstPlayers);
        delete lstPlayers->takeItem(row);
        if (lstPlayers->count() > 0) lstPlayers->setCurrentRow(0);
    }
    if (lstPlayers->count() > 0) {
        lstPlayers_Click();
        cmdRemove->setEnabled(true);
        return;
    }
    // The game always has a player: the last one gone, a fresh one takes its
    // place, named as on the very first start.
    cmdRemove->setEnabled(false);
    const std::string fresh = FirstPlayerName();
    const PlayerResult added = AddPlayer(g_, fresh);
    Store(added.stored);
    {
        const QSignalBlocker quiet(lstPlayers);
        lstPlayers->addItem(QString::fromStdString(fresh));
        lstPlayers->setCurrentRow(0);
    }
    PlayerChanged();
}

void GameSettingsDialog::cmdColor_Click()
{
    const long answer = choosers_.colour(g_.cfg.TableColor);
    if (answer == -1) return;
    g_.cfg.TableColor = answer;
    PreviewTable();
}

void GameSettingsDialog::cmdBack_Click()
{
    if (!choosers_.picture) return;
    const std::string path = Trim(choosers_.picture());
    if (path.empty() || !QFileInfo(QString::fromStdString(path)).isFile()) return;
    // A file that is no picture leaves the table as it was (the chooser says so).
    if (!table_.LoadBackImage(path)) return;
    g_.cfg.BackImage = path;
    Store(WriteProfileString(g_.cfg.SettingsFile, g_.cfg.CurrentPlayer, "BackImage", path));
    PreviewTable();
}

void GameSettingsDialog::cmdOK_Click()
{
    NewGameConfirmed = true;
    Settings& c = g_.cfg;
    for (int i = 0; i < 3; ++i) {
        if (optDraw[i]->isChecked()) c.FlipNum = i + 1;
        if (optStyle[i]->isChecked()) c.Style = i;
    }
    c.ShowStats = chkShowStats->isChecked();
    c.SoundOn = chkSound->isChecked();
    c.Animate = chkAnimate->isChecked();
    c.AutoSave = chkAutoSave->isChecked();
    c.Speed = hscSpeed->value();
    c.PlaySpeed = 500 - hscPlaySpeed->value();
    c.CardBack = 56 + hscCardBack->value();
    ReadBackgroundChoice();
    Store(SaveSettings(g_));
    accept();
}

void GameSettingsDialog::cmdCancel_Click()
{
    NewGameConfirmed = false;
    reject();
}

} // namespace tandrel
