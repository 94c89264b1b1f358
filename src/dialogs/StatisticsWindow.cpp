#include "dialogs/StatisticsWindow.h"

#include <algorithm>

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/CenterForm.h"
#include "dialogs/DialogParts.h"
#include "dialogs/ShowModal.h"
#include "engine/Game.h"
#include "store/Statistics.h"

namespace tandrel {

namespace {

constexpr const char* LevelNames[LevelCount] = {QT_TRANSLATE_NOOP("tandrel::StatisticsWindow", "Beginner"),
                                                QT_TRANSLATE_NOOP("tandrel::StatisticsWindow", "Intermediate"),
                                                QT_TRANSLATE_NOOP("tandrel::StatisticsWindow", "Expert"),
                                                QT_TRANSLATE_NOOP("tandrel::StatisticsWindow", "Master")};
constexpr int ShownPlayerRows = 8; // more scroll

QTableWidget* NewFiguresTable(QWidget* parent, const char* name, const QStringList& columns)
{
    auto* t = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(columns);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 8);
    return t;
}

void SetRow(QTableWidget& t, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        // Numbers to the right, as a column of figures reads.
        if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t.setItem(row, c, item);
    }
}

QStringList Counts(int wins, int losses)
{
    return {QString::number(wins + losses), QString::number(wins), QString::number(losses), ShareWon(wins, losses)};
}

// The table as large as its cells, up to a number of rows.
void FitToCells(QTableWidget& t, int rows)
{
    t.resizeColumnsToContents();
    int width = 2 * t.frameWidth();
    for (int c = 0; c < t.columnCount(); ++c) width += t.columnWidth(c);
    if (t.rowCount() > rows) width += t.verticalScrollBar()->sizeHint().width();
    int height = 2 * t.frameWidth() + t.horizontalHeader()->sizeHint().height();
    for (int r = 0; r < std::min(rows, t.rowCount()); ++r) height += t.rowHeight(r);
    t.setFixedSize(width, height);
}

} // namespace

QString ShareWon(int wins, int losses)
{
    const long long games = static_cast<long long>(wins) + losses;
    if (games <= 0) return QString::fromUtf8("\u2013");
    return QString("%1%").arg((wins * 100LL + games / 2) / games);
}

StatisticsWindow::StatisticsWindow(QWidget* owner, Game& g) : QDialog(owner), g_(g)
{
    setObjectName("frmStatistics");
    setWindowTitle(tr("Statistics"));

    lblPlayer = new QLabel(this);
    lblPlayer->setTextFormat(Qt::PlainText); // the name as typed
    lblPlayer->setObjectName("lblPlayer");
    QFont heading = lblPlayer->font();
    heading.setBold(true);
    lblPlayer->setFont(heading);

    tblLevels = NewFiguresTable(this, "tblLevels", {tr("Level"), tr("Games"), tr("Wins"), tr("Losses"), tr("Won")});
    tblLevels->setSelectionMode(QAbstractItemView::NoSelection);
    NameForReaders(*tblLevels, tr("Your games by level"));
    tblLevels->setRowCount(static_cast<int>(LevelCount) + 1);

    lblStreak = new QLabel(this);
    lblStreak->setObjectName("lblStreak");
    lblLongest = new QLabel(this);
    lblLongest->setObjectName("lblLongest");
    auto* streaks = new QFormLayout;
    streaks->addRow(tr("Current winning streak:"), lblStreak);
    streaks->addRow(tr("Longest winning streak:"), lblLongest);

    tblPlayers = NewFiguresTable(this, "tblPlayers",
                                 {tr("Player"), tr("Games"), tr("Wins"), tr("Losses"), tr("Won"), tr("Longest streak")});

    auto* buttons = ButtonBox(this);
    cmdReset = AddButton(*buttons, QT_TRANSLATE_NOOP("Buttons", "&Reset"), "cmdReset", QDialogButtonBox::ResetRole);
    cmdReset->setAutoDefault(false);
    cmdClose = AddButton(*buttons, QT_TRANSLATE_NOOP("Buttons", "&Close"), "cmdClose", QDialogButtonBox::RejectRole);
    cmdClose->setDefault(true);
    connect(cmdReset, &QPushButton::clicked, this, &StatisticsWindow::cmdReset_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* all = new QVBoxLayout(this);
    all->addWidget(lblPlayer);
    all->addWidget(tblLevels);
    all->addLayout(streaks);
    all->addSpacing(8);
    auto* allPlayers = new QLabel(tr("All players"), this);
    NameForReaders(*tblPlayers, allPlayers->text());
    all->addWidget(allPlayers);
    all->addWidget(tblPlayers);
    all->addSpacing(8);
    all->addWidget(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);

    Fill();
    cmdClose->setFocus();
    adjustSize();
    CenterForm(*this);
}

void StatisticsWindow::Fill()
{
    const Statistics& st = g_.Stats;
    lblPlayer->setText(QString::fromStdString(g_.cfg.CurrentPlayer));
    SetRow(*tblLevels, 0, QStringList{tr("All levels")} + Counts(g_.Wins, g_.Losses));
    for (std::size_t i = 0; i < LevelCount; ++i)
        SetRow(*tblLevels, static_cast<int>(i) + 1,
               QStringList{tr(LevelNames[i])} + Counts(st.WinsAt[i], st.LossesAt[i]));
    lblStreak->setText(QString::number(st.Streak));
    lblLongest->setText(QString::number(st.LongestStreak));

    const FiguresTable table = AllPlayersFigures(g_);
    tblPlayers->setRowCount(static_cast<int>(table.players.size()));
    for (int r = 0; r < tblPlayers->rowCount(); ++r) {
        const PlayerFigures& p = table.players[static_cast<std::size_t>(r)];
        SetRow(*tblPlayers, r, QStringList{QString::fromStdString(p.name)} + Counts(p.wins, p.losses) +
                                   QStringList{QString::number(p.stats.LongestStreak)});
    }
    // The current player's row: selected, and in bold should the selection move.
    QFont bold = tblPlayers->font();
    bold.setBold(true);
    for (int c = 0; c < tblPlayers->columnCount(); ++c) tblPlayers->item(table.current, c)->setFont(bold);
    tblPlayers->selectRow(table.current);
    FitToCells(*tblLevels, tblLevels->rowCount());
    FitToCells(*tblPlayers, ShownPlayerRows);
}

void StatisticsWindow::cmdReset_Click()
{
    const std::string question =
        tr("Reset the statistics of %1?").arg(QString::fromStdString(g_.cfg.CurrentPlayer)).toStdString();
    if (g_.view->ShowMessage(question, MsgIcon::Question, MsgButtons::YesNo, ProgramTitle) != MsgAnswer::Yes) return;
    stored_ = ResetStatistics(g_) && stored_;
    g_.view->ScoreBoard(true);
    Fill();
}

bool ShowStatistics(QWidget* owner, Game& g)
{
    StatisticsWindow frm(owner, g);
    ShowModal(frm);
    return frm.Stored();
}

} // namespace tandrel
