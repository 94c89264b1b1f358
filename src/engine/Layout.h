#pragma once
// Every place on the table, in the table's own pixels. The layout is fixed: it
// does not follow the window's size, and a window smaller than the table clips
// it. Drawing, hit tests, drops, slides and the panels all read their places
// from here and nowhere else.
#include "engine/Rect.h"

namespace tandrel {

struct Game;

// Columns of the foundation array: Foundation(f, FoundSuit).
enum FoundationColumn { FoundSuit = 1, FoundTop = 2 };

// ---- Cards ----
constexpr int CardWidth = 71;
constexpr int CardHeight = 95;
// A card in flight with its two-pixel shadow.
constexpr int OneCardDragWidth = 73;
constexpr int OneCardDragHeight = 97;
constexpr int DragShadow = OneCardDragWidth - CardWidth;
// The cards of a run in flight are drawn closer together than on the pile.
constexpr int RunDragStep = 10;
// A card being turned up is shown lifted this far up and left.
constexpr int TurnUpLift = 3;

// ---- Foundations and tableau piles share their columns ----
constexpr int ColumnX(int i) { return 10 + 90 * (i - 1); }
constexpr int PileX(int p) { return ColumnX(p); }
constexpr int FoundationX(int f) { return ColumnX(f); }
constexpr int FoundationY = 10;
constexpr Rect FoundationRect(int f) { return {FoundationX(f), FoundationY, FoundationX(f) + CardWidth, FoundationY + CardHeight}; }

constexpr int TableauY = 120;     // the first card of every pile
constexpr int EmptyPileY = 100;   // an emptied pile's top, so that the next card lands at TableauY
constexpr int FaceDownStep = 5;
constexpr int FaceUpStep = 20;
// Top edge of a pile's face-down card k (from 1), and of the face-up card in
// slot s over fd face-down cards.
constexpr int FaceDownY(int k) { return TableauY + FaceDownStep * (k - 1); }
constexpr int FaceUpY(int fd, int s) { return TableauY + FaceDownStep * fd + FaceUpStep * (s - 1); }
// Where the face-down cards of the deal lie: row r of the deal is 5 lower than the one before.
constexpr int DealRowY(int row) { return TableauY + FaceDownStep * (row - 1); }

// ---- The hands: stock, then the waste fanned to its right ----
constexpr int HandRowY(int side) { return side == 1 ? 300 : 25; }
constexpr int StockX = 380;
constexpr int StockDepthStep = 4;     // a thick stock shows up to three backs
constexpr int HandRowWidth = 190;     // the stock and the widest fan
constexpr int WasteX = 465;           // the fan's first card
constexpr int FanStep = 15;
constexpr int MaxFan = 3;
// Left edge of the waste's top card with `fan` cards fanned: 465, 480, 495.
constexpr int WasteTopXFor(int fan) { return WasteX + FanStep * (fan - 1); }
// Right edge of a fan of `fan` cards.
constexpr int FanRight(int fan) { return WasteTopXFor(fan) + CardWidth; }
int WasteTopX(const Game& g, int side);
// A side's waste top as a full fan shows it: where a card loaded onto it lands.
constexpr Rect FullFanTopRect(int side)
{
    return {WasteTopXFor(MaxFan), HandRowY(side), WasteTopXFor(MaxFan) + CardWidth, HandRowY(side) + CardHeight};
}
// The computer's first fan place, the first of the two drops onto its waste.
constexpr Rect OpponentWasteDrop{WasteX, HandRowY(2), WasteX + CardWidth, HandRowY(2) + CardHeight};
// The empty stock place: an outlined box with the pass number.
constexpr int EmptyStockWidth = 72;
constexpr int StockAreaWidth = 80;
constexpr int StockAreaHeight = 100;
// At the end of a game the loser's cards lie face up over its hand row, in rows of nine.
constexpr int HandAtEndX = 375;
constexpr int HandAtEndWidth = 250;
constexpr int HandAtEndHeight = 100;
constexpr int HandAtEndY(int side) { return side == 2 ? 0 : HandRowY(1); }
constexpr int HandAtEndStep = 20;
constexpr int HandAtEndRowStep = 25;
constexpr int HandAtEndPerRow = 9;

// ---- The panels right of the tableau ----
constexpr Rect StatusPanelArea{380, 125, 580, 170};
constexpr Rect ScoreBoardArea{380, 180, 580, 295};
constexpr int ScoreLabelX = 390;
constexpr int ScoreTitleY = 185;
constexpr int ScoreRowY = 205;       // "Your cards left"; the next rows follow by the font's height
constexpr int ScoreSecondRowGap = 5;
constexpr int ScoreWinRowY = 235;
constexpr int ScoreLossRowY = 255;
constexpr int ScoreRuleLeft = 400;
constexpr int ScoreRuleRight = 560;
constexpr int ScoreNumberWidth = 20;
// The notice over the tableau once a game is won, clear of the panels and of
// the loser's cards laid out over its hand row.
constexpr Rect EndNoticeArea{40, 165, 320, 255};
// Panel text keeps clear of the chamfered outline, which lies this far inside the panel.
constexpr int PanelTextMargin = 8;
constexpr int PanelInnerEdge = 3;

// ---- Slides ----
// A slide at least this far along both axes goes diagonally, pixel by pixel.
constexpr float SlideDiagonalReach = 70;
// A frame of a slide repaints the table this far around the cards in flight.
constexpr int MoveMargin = 50;
constexpr int DealFromX = 2, DealFromY = 2;   // the deal flies from the table's corner
// A card raised to a foundation aims a little above and left of it.
constexpr int RaiseAimOffset = 5;
// A waste card played onto a pile aims at its corner (left and down), a
// foundation card lowered onto one aims below its place, and a run played
// automatically lands beside the target pile's top, on the side it came from.
constexpr int WasteToPileAim = 15;
constexpr int LoweredCardAim = 25;
constexpr int AutoRunAimX = 10;
constexpr int AutoRunAimY = 30;

// ---- Press regions of the mouse ----
// The foundation row: right of x = 10, from y = 12 to 106 inclusive.
constexpr float FoundationPressLeft = 10, FoundationPressTop = 12, FoundationPressBottom = 106;
constexpr bool InFoundationRowPress(float x, float y)
{
    return x > FoundationPressLeft && y >= FoundationPressTop && y <= FoundationPressBottom;
}
// A tableau column: below y = 120, within a pile's card width (both edges included).
constexpr bool BelowTableauTop(float y) { return y > TableauY; }
constexpr int PileColumnAt(float x)
{
    for (int p = 1; p <= 4; ++p)
        if (x >= PileX(p) && x <= PileX(p) + CardWidth) return p;
    return 0;
}
// The score board's press covers everything right of the stocks above the player's row.
constexpr bool InScoreBoardPress(float x, float y) { return y < HandRowY(1) && x > StockX; }
// The player's hand row, both edges included.
constexpr bool InPlayerRow(float y) { return y >= HandRowY(1) && y <= HandRowY(1) + CardHeight; }
constexpr float StockPressWidth = 81;
constexpr bool InPlayerStockPress(float x, float y) { return InPlayerRow(y) && x >= StockX && x <= StockX + StockPressWidth; }
// A double-click flips from the stock in a range left of the table, and plays
// the waste top from a range 30 pixels left of the top card itself.
constexpr float DoubleClickFlipLeft = 10, DoubleClickFlipRight = 85;
constexpr int DoubleClickWasteShift = 30;

// The top card's rectangle of pile p: where it is hit and where a card is dropped on it.
Rect PileTopRect(const Game& g, int p);

} // namespace tandrel
