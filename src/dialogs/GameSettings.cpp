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
#include <algorithm>
#include <cmath>
#include <concepts>
#include <span>
#include <variant>

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

template <typename T>
T* Named(T* w, const char* name)
{
    w->setObjectName(name);
    return w;
}

// A bar in its frame's grid under its caption, whose access key it takes, and
// with "Faster" at its right end; the table gives its range.
QSlider* AddBar(QGridLayout* grid, int row, const QString& caption, const QString& faster, const char* name)
{
    auto* bar = Named(new QSlider(Qt::Horizontal, grid->parentWidget()), name);
    auto* label = new QLabel(caption);
    label->setBuddy(bar);
    grid->addWidget(label, row, 0, 1, 2);
    grid->addWidget(bar, row + 1, 0);
    grid->addWidget(new QLabel(faster), row + 1, 1);
    return bar;
}

using Control = std::variant<QCheckBox*, QSlider*, std::span<QRadioButton* const>>;

// A settings field and its values at the control's first and last positions: a
// number or a level lies on a straight line between them, a choice of two is one or the other.
template <typename T>
struct Field {
    T Settings::*member;
    T atFirst, atLast;
};

// The fields whose values lie on the line between the ends.
template <typename T>
concept Graded = std::same_as<T, int> || std::same_as<T, Level>;

// A control that shows a settings field, with the control's first and last positions.
struct Tie {
    Control control;
    int first, last;
    std::variant<Field<int>, Field<Level>, Field<bool>, Field<Background>> field;

    void SetField(Settings& s, int position) const
    {
        std::visit([&](const auto& f) { s.*f.member = ValueAt(f, position); }, field);
    }
    int PositionFor(const Settings& s) const
    {
        return std::visit([&](const auto& f) { return PositionOf(f, s.*f.member); }, field);
    }
    void CopyField(const Settings& from, Settings& to) const
    {
        std::visit([&](const auto& f) { to.*f.member = from.*f.member; }, field);
    }

private:
    template <Graded T>
    T ValueAt(const Field<T>& f, int position) const
    {
        const int a = static_cast<int>(f.atFirst), b = static_cast<int>(f.atLast);
        return static_cast<T>(a + (position - first) * (b - a) / (last - first));
    }
    template <typename T>
    T ValueAt(const Field<T>& f, int position) const
    {
        return position == first ? f.atFirst : f.atLast;
    }
    template <Graded T>
    int PositionOf(const Field<T>& f, T value) const
    {
        const int a = static_cast<int>(f.atFirst), b = static_cast<int>(f.atLast);
        return std::clamp(first + (static_cast<int>(value) - a) * (last - first) / (b - a), first, last);
    }
    template <typename T>
    int PositionOf(const Field<T>& f, T value) const
    {
        return value == f.atFirst ? first : last;
    }
};

// Every control that OK reads, in the order of the window.
std::vector<Tie> Ties(const GameSettingsDialog& d)
{
    return {
        {d.optDraw, 0, 2, Field{&Settings::FlipNum, 1, 3}},
        {d.optStyle, 0, 3, Field{&Settings::ComputerLevel, Level::Beginner, Level::Master}},
        {d.hscPlaySpeed, 0, 500, Field{&Settings::PlaySpeed, 500, 0}}, // the bar's right end is the shortest pause
        {d.chkAnimate, 0, 1, Field{&Settings::Animate, false, true}},
        {d.hscSpeed, 3, 23, Field{&Settings::Speed, 3, 23}},
        {d.chkSound, 0, 1, Field{&Settings::SoundOn, false, true}},
        {d.optBack, 0, 1, Field{&Settings::TableBackground, Background::Picture, Background::Colour}},
        {d.hscCardBack, 0, 9, Field{&Settings::CardBack, 56, 65}},
        {d.chkShowStats, 0, 1, Field{&Settings::ShowStats, false, true}},
        {d.chkAutoSave, 0, 1, Field{&Settings::AutoSave, false, true}},
    };
}

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

int Position(const Control& control)
{
    return std::visit(Overloaded{[](QCheckBox* box) { return int(box->isChecked()); },
                                 [](QSlider* bar) { return bar->value(); },
                                 [](std::span<QRadioButton* const> group) {
                                     return int(std::find(group.begin(), group.end(), CheckedOf(group)) - group.begin());
                                 }},
                      control);
}

void SetPosition(const Control& control, int position)
{
    std::visit(Overloaded{[=](QCheckBox* box) { box->setChecked(position != 0); },
                          [=](QSlider* bar) { bar->setValue(position); },
                          [=](std::span<QRadioButton* const> group) { group[position]->setChecked(true); }},
               control);
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
    : QDialog(parent), g_(g), table_(table), choosers_(std::move(choosers)), edited_(g.cfg),
      picTemp_(PreviewWidth, PreviewHeight, QImage::Format_RGB32)
{
    setObjectName("frmNewGame");
    setWindowTitle(tr("Game Settings"));
    if (!choosers_.colour) choosers_.colour = [this](long c) { return ChooseTableColor(this, c); };

    auto* left = new QVBoxLayout;
    left->addWidget(PlayerFrame());
    left->addWidget(DrawFrame());
    left->addWidget(OpponentFrame());
    auto* right = new QVBoxLayout;
    right->addWidget(AnimationFrame());
    right->addWidget(SoundsFrame());
    right->addWidget(AppearanceFrame());

    chkShowStats = Named(new QCheckBox(tr("Show S&tats")), "chkShowStats");
    chkAutoSave = Named(new QCheckBox(tr("Auto Sa&ve")), "chkAutoSave");
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

    for (const Tie& t : Ties(*this)) {
        if (QSlider* const* bar = std::get_if<QSlider*>(&t.control)) {
            (*bar)->setRange(t.first, t.last);
            (*bar)->setPageStep(std::max(1, (t.last - t.first) / 10));
        }
    }
    SetTabOrder();
    ListPlayers();
    ShowSettings();
    adjustSize();
    CenterForm(*this);
}

QWidget* GameSettingsDialog::PlayerFrame()
{
    auto* frame = new KeyedFrame(tr("&Player"), [this] { return lstPlayers; });
    lstPlayers = Named(new QListWidget, "lstPlayers");
    NameForReaders(*lstPlayers, frame->title());
    lstPlayers->setMinimumHeight(90);
    cmdAdd = Named(new QPushButton(tr("&Add")), "cmdAdd");
    cmdRemove = Named(new QPushButton(tr("&Remove")), "cmdRemove");
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
    auto* frame = new KeyedFrame(tr("&Draw"), [this] { return CheckedOf(optDraw); });
    auto* row = new QHBoxLayout(frame);
    const char* captions[] = {QT_TR_NOOP("One"), QT_TR_NOOP("Two"), QT_TR_NOOP("Three")};
    for (int i = 0; i < 3; ++i) {
        optDraw[i] = Named(new QRadioButton(tr(captions[i])), "optDraw");
        row->addWidget(optDraw[i]);
    }
    TabToChecked(optDraw);
    return frame;
}

QWidget* GameSettingsDialog::OpponentFrame()
{
    auto* frame = new KeyedFrame(tr("Oppo&nent"), [this] { return CheckedOf(optStyle); });
    auto* grid = new QGridLayout(frame);
    auto* styles = new QHBoxLayout;
    // No access keys: the frame's key reaches the checked level and the arrows choose
    // (every letter of "Master" is another control's key in this window).
    const char* captions[] = {QT_TR_NOOP("Beginner"), QT_TR_NOOP("Intermediate"), QT_TR_NOOP("Expert"),
                              QT_TR_NOOP("Master")};
    for (int i = 0; i < 4; ++i) {
        optStyle[i] = Named(new QRadioButton(tr(captions[i])), "optStyle");
        styles->addWidget(optStyle[i]);
    }
    TabToChecked(optStyle);
    grid->addLayout(styles, 0, 0, 1, 2);
    hscPlaySpeed = AddBar(grid, 1, tr("Pla&y Speed"), tr("Faster"), "hscPlaySpeed");
    return frame;
}

QWidget* GameSettingsDialog::AnimationFrame()
{
    auto* frame = new QGroupBox(tr("Animation"));
    auto* grid = new QGridLayout(frame);
    chkAnimate = Named(new QCheckBox(tr("Ani&mation")), "chkAnimate");
    grid->addWidget(chkAnimate, 0, 0, 1, 2);
    hscSpeed = AddBar(grid, 1, tr("Animation Sp&eed"), tr("Faster"), "hscSpeed");
    return frame;
}

QWidget* GameSettingsDialog::SoundsFrame()
{
    auto* frame = new QGroupBox(tr("Sounds"));
    auto* row = new QHBoxLayout(frame);
    chkSound = Named(new QCheckBox(tr("So&unds")), "chkSound");
    cmdWin = Named(new QPushButton(tr("&Win")), "cmdWin");
    cmdLose = Named(new QPushButton(tr("&Loss")), "cmdLose");
    row->addWidget(chkSound);
    row->addStretch();
    row->addWidget(cmdWin);
    row->addWidget(cmdLose);
    for (auto [button, wav] : {std::pair{cmdWin, 0}, {cmdLose, 1}}) {
        connect(button, &QPushButton::clicked, this, [this, wav] {
            if (choosers_.sound) g_.cfg.WavFiles[wav] = choosers_.sound(g_.cfg.WavFiles[wav]);
        });
    }
    return frame;
}

QWidget* GameSettingsDialog::AppearanceFrame()
{
    auto* frame = new QGroupBox(tr("Appearance"));
    auto* grid = new QGridLayout(frame);
    optBack[0] = Named(new QRadioButton(tr("&Background image")), "optBack");
    optBack[1] = Named(new QRadioButton(tr("Colored back&ground")), "optBack");
    optBack[0]->setChecked(true);
    TabToChecked(optBack);
    chkSolid = Named(new QCheckBox(tr("&Solid background colors")), "chkSolid");
    cmdColor = Named(new QPushButton(tr("C&hange Color")), "cmdColor");
    cmdBack = Named(new QPushButton(tr("Change &Image")), "cmdBack");
    cmdColor->setEnabled(false);
    cmdBack->setEnabled(false);
    hscCardBack = Named(new QSlider(Qt::Horizontal, frame), "hscCardBack");
    picTemp = Named(new QLabel, "picTemp");
    NameForReaders(*picTemp, tr("The table and the card back as they will look"));
    picTemp->setFixedSize(PreviewWidth, PreviewHeight);

    auto* choices = new QVBoxLayout;
    choices->addWidget(optBack[0]);
    choices->addWidget(cmdBack);
    choices->addWidget(optBack[1]);
    choices->addWidget(chkSolid);
    choices->addWidget(cmdColor);
    auto* cardBack = new QLabel(tr("Card Bac&k"));
    cardBack->setBuddy(hscCardBack);
    choices->addWidget(cardBack);
    choices->addWidget(hscCardBack);
    choices->addStretch();
    grid->addLayout(choices, 0, 0);
    grid->addWidget(picTemp, 0, 1);

    for (QRadioButton* option : optBack)
        connect(option, &QRadioButton::clicked, this, &GameSettingsDialog::optBack_Click);
    connect(chkSolid, &QCheckBox::clicked, this, &GameSettingsDialog::PreviewTable);
    connect(cmdColor, &QPushButton::clicked, this, &GameSettingsDialog::cmdColor_Click);
    connect(cmdBack, &QPushButton::clicked, this, &GameSettingsDialog::cmdBack_Click);
    connect(hscCardBack, &QSlider::valueChanged, this, &GameSettingsDialog::hscCardBack_Change);
    return frame;
}

// As the controls are laid out: the left column, the right, then the bottom row.
void GameSettingsDialog::SetTabOrder()
{
    ChainTabOrder({lstPlayers, cmdAdd, cmdRemove, optDraw[0], optDraw[1], optDraw[2], optStyle[0], optStyle[1],
                   optStyle[2], optStyle[3], hscPlaySpeed, chkAnimate, hscSpeed, chkSound, cmdWin, cmdLose, optBack[0], cmdBack,
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

// A new player brings its own caption, table picture and settings to edit.
void GameSettingsDialog::PlayerChanged()
{
    if (parentWidget()) parentWidget()->window()->setWindowTitle(QString::fromStdString(MainCaption(g_.cfg)));
    table_.LoadBackImage(g_.cfg.BackImage);
    edited_ = g_.cfg;
    ShowSettings();
}

void GameSettingsDialog::ShowSettings()
{
    {
        const QSignalBlocker quietBack(hscCardBack);
        for (const Tie& t : Ties(*this)) SetPosition(t.control, t.PositionFor(edited_));
    }
    // The solid box speaks for the fill only under a colour.
    if (edited_.TableBackground == Background::Colour) chkSolid->setChecked(edited_.ColourFill == Fill::Solid);
    optBack_Click();
}

void GameSettingsDialog::optBack_Click()
{
    const bool picture = optBack[0]->isChecked();
    cmdBack->setEnabled(picture);
    cmdColor->setEnabled(!picture);
    chkSolid->setEnabled(!picture);
    PreviewTable();
}

void GameSettingsDialog::ReadControls()
{
    for (const Tie& t : Ties(*this)) t.SetField(edited_, Position(t.control));
    if (edited_.TableBackground == Background::Colour)
        edited_.ColourFill = chkSolid->isChecked() ? Fill::Solid : Fill::Gradient;
}

// What the controls say, in the copy and on the preview.
void GameSettingsDialog::PreviewTable()
{
    ReadControls();
    Settings& c = edited_;
    if (c.TableBackground == Background::Picture) {
        QtTable::FillColour(picTemp_, c.TableColor); // under a picture that is missing
        QtTable::TileBackground(table_.BackgroundPicture(), picTemp_);
    } else {
        QtTable::RepairTableColour(c.TableColor, c.ColourFill == Fill::Gradient); // 0 as the table shows it
        if (c.ColourFill == Fill::Solid)
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
    PreviewTable();
    g_.cfg.CardBack = edited_.CardBack; // at once, and kept after Cancel
}

void GameSettingsDialog::cmdAdd_Click()
{
    std::vector<std::string> players;
    for (int i = 0; i < lstPlayers->count(); ++i) players.push_back(lstPlayers->item(i)->text().toStdString());
    const std::string name(Trim(AskText(this, tr("Type in the name of a new player.").toStdString(),
                                        tr("New Player").toStdString(), "", NewPlayerNameLength,
                                        [&players](const std::string& answer) {
                                            const std::string t(Trim(answer));
                                            return t.empty() ? std::string() : NewPlayerNameProblem(players, t);
                                        })));
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
    const long answer = choosers_.colour(edited_.TableColor); // as the preview shows it
    if (answer == -1) return;
    g_.cfg.TableColor = edited_.TableColor = answer;
    PreviewTable();
}

void GameSettingsDialog::cmdBack_Click()
{
    if (!choosers_.picture) return;
    const std::string path(Trim(choosers_.picture()));
    if (path.empty() || !QFileInfo(QString::fromStdString(path)).isFile()) return;
    // A file that is no picture leaves the table as it was (the chooser says so).
    if (!table_.LoadBackImage(path)) return;
    g_.cfg.BackImage = path;
    Store(WriteBackImage(g_.cfg));
    PreviewTable();
}

// The copy goes back field by field: the music timer may have changed others meanwhile.
void GameSettingsDialog::cmdOK_Click()
{
    NewGameConfirmed = true;
    ReadControls();
    for (const Tie& t : Ties(*this)) t.CopyField(edited_, g_.cfg);
    g_.cfg.ColourFill = edited_.ColourFill;
    g_.cfg.TableColor = edited_.TableColor; // a 0 under a gradient as the preview showed it
    Store(SaveSettings(g_));
    accept();
}

void GameSettingsDialog::cmdCancel_Click()
{
    NewGameConfirmed = false;
    reject();
}

} // namespace tandrel
