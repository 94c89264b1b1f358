#include "show/Speech.h"

#include "engine/Cards.h"
#include "engine/Texts.h"
#include "opponent/HintWords.h"

namespace tandrel {

namespace {

int StockCards(const Game& g, int side) { return CardsLeft(g, side) - WasteCards(g, side); }

std::string Waste(const Game& g, int side)
{
    const int n = WasteCards(g, side);
    const bool yours = side == 1;
    if (n == 0) return yours ? Translate("Speech", "Your waste: empty") : Translate("Speech", "Computer's waste: empty");
    const std::string top = CardName(g.Waste(side, g.WasteCount(side)));
    if (n == 1)
        return Arg(yours ? Translate("Speech", "Your waste: %1, 1 card")
                         : Translate("Speech", "Computer's waste: %1, 1 card"),
                   top);
    return Arg(yours ? Translate("Speech", "Your waste: %1, %n cards", nullptr, n)
                     : Translate("Speech", "Computer's waste: %1, %n cards", nullptr, n),
               top);
}

// A list said item by item, in the language's own way of joining two.
std::string Listed(const std::string& list, const std::string& item)
{
    return list.empty() ? item : Arg(Arg(Translate("Speech", "%1, %2"), list), item);
}

std::string Pile(const Game& g, int p)
{
    std::string cards;
    for (int k = 1; k <= FaceUpCount(g, p); ++k) cards = Listed(cards, CardName(g.Tableau(p, k)));
    if (const int down = g.TableauFaceDown(p); down > 0)
        cards = Listed(cards, down == 1 ? Translate("Speech", "1 card face down")
                                        : Translate("Speech", "%n cards face down", nullptr, down));
    if (cards.empty()) return Arg(Translate("Speech", "Pile %1: empty"), p);
    return Arg(Arg(Translate("Speech", "Pile %1: %2"), p), cards);
}

std::string Foundation(const Game& g, int f)
{
    const int top = FoundationCard(g, f);
    if (!IsCard(top)) return Arg(Translate("Speech", "Foundation %1: empty"), f);
    return Arg(Arg(Translate("Speech", "Foundation %1: %2"), f), CardName(top));
}

} // namespace

std::string PlaceWords(const Game& g, const TablePlace& place)
{
    switch (place.kind) {
    case PlaceKind::PlayerStock: {
        const int n = StockCards(g, 1);
        return n == 0   ? Translate("Speech", "Your stock, empty")
               : n == 1 ? Translate("Speech", "Your stock, 1 card")
                        : Translate("Speech", "Your stock, %n cards", nullptr, n);
    }
    case PlaceKind::PlayerWaste: return Waste(g, 1);
    case PlaceKind::ComputerWaste: return Waste(g, 2);
    case PlaceKind::Pile: return Pile(g, place.index);
    case PlaceKind::Foundation: return Foundation(g, place.index);
    case PlaceKind::ScoreBoard:
        return Arg(Arg(Arg(Arg(Translate("Speech", "Score board: your cards %1, computer's %2, wins %3, losses %4"),
                               CardsLeft(g, 1)),
                           CardsLeft(g, 2)),
                       g.Wins),
                   g.Losses);
    case PlaceKind::None: break;
    }
    return {};
}

std::string MoveWords(const Game& g, const Move& m)
{
    const std::string card = CardName(m.card);
    const bool you = m.side == 1;
    switch (m.kind) {
    case MoveKind::Flip:
        if (g.StockEmpty(m.side))
            return you ? Translate("Speech", "You turn your waste over.")
                       : Translate("Speech", "The computer turns its waste over.");
        return you ? Translate("Speech", "You flip a card.") : Translate("Speech", "The computer flips a card.");
    case MoveKind::TurnUp:
        return Arg(you ? Translate("Speech", "You turn up the waiting card of pile %1.")
                       : Translate("Speech", "The computer turns up the waiting card of pile %1."),
                   m.from);
    case MoveKind::Load:
        return Arg(you ? Translate("Speech", "You load the %1 onto the computer's waste.")
                       : Translate("Speech", "The computer loads the %1 onto your waste."),
                   card);
    default: break;
    }
    // Where the card goes: onto a card, an empty pile or an empty foundation; whole
    // sentences, so that each language can order and inflect them.
    const bool home = m.kind == MoveKind::WasteToFoundation || m.kind == MoveKind::PileToFoundation;
    const int onto = home ? FoundationCard(g, m.to) : PileTop(g, m.to);
    if (IsCard(onto))
        return Arg(Arg(you ? Translate("Speech", "You play the %1 onto the %2.")
                           : Translate("Speech", "The computer plays the %1 onto the %2."),
                       card),
                   CardName(onto));
    if (home)
        return Arg(you ? Translate("Speech", "You play the %1 to an empty foundation.")
                       : Translate("Speech", "The computer plays the %1 to an empty foundation."),
                   card);
    return Arg(Arg(you ? Translate("Speech", "You play the %1 onto the empty pile %2.")
                       : Translate("Speech", "The computer plays the %1 onto the empty pile %2."),
                   card),
               m.to);
}

std::string PickedUpWords(int card) { return Arg(Translate("Speech", "You pick up the %1."), CardName(card)); }

std::string PutBackWords(int card) { return Arg(Translate("Speech", "The %1 goes back."), CardName(card)); }

std::string RefusedWords(int card) { return Arg(Translate("Speech", "The %1 cannot go there; it goes back."), CardName(card)); }

std::string TurnWords(int side)
{
    return side == 1 ? Translate("Speech", "Your turn.") : Translate("Speech", "The computer's turn.");
}

std::string GameEndWords(int winner)
{
    return winner == 1 ? Translate("Speech", "You won the game!") : Translate("Speech", "The computer won the game.");
}

} // namespace tandrel
