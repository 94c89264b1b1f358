#include "opponent/HintWords.h"

#include "engine/Cards.h"

namespace tandrel {

namespace {

// Foundation f's top card; an ace on its own is kept as its code less 13.
int FoundationCard(const Game& g, int f)
{
    const int top = g.Foundation(f, FoundTop);
    if (g.Foundation(f, FoundSuit) == 0) return 0;
    return CardRank(top + 13) == 1 ? AceOfSuit(g.Foundation(f, FoundSuit)) : top;
}

std::string Onto(int card) { return "onto the " + CardName(card) + "."; }

std::string OntoPile(const Game& g, int p)
{
    const int top = PileTop(g, p);
    return IsCard(top) ? Onto(top) : "onto the empty pile " + std::to_string(p) + ".";
}

std::string OntoFoundation(const Game& g, int f)
{
    const int top = FoundationCard(g, f);
    return IsCard(top) ? Onto(top) : "to an empty foundation.";
}

} // namespace

std::string CardName(int card)
{
    if (!IsCard(card)) return {};
    static const char* const ranks[] = {"two", "three", "four", "five", "six",  "seven", "eight",
                                        "nine", "ten",  "jack", "queen", "king", "ace"};
    // Blocks of thirteen in the order of the card sheet.
    static const char* const suits[] = {"clubs", "hearts", "spades", "diamonds"};
    return std::string(ranks[(card - 2) % 13]) + " of " + suits[(card - 2) / 13];
}

HintLines HintWords(const Game& g, const Move& m)
{
    const std::string card = "the " + CardName(m.card);
    switch (m.kind) {
    case MoveKind::WasteToPile: return {"Play " + card, OntoPile(g, m.to)};
    case MoveKind::WasteToFoundation:
    case MoveKind::PileToFoundation: return {"Play " + card, OntoFoundation(g, m.to)};
    case MoveKind::Load: return {"Load " + card, "onto the computer's waste."};
    case MoveKind::RunToPile:
        if (m.slot < FaceUpCount(g, m.from)) return {"Move " + card + " and the cards on it", OntoPile(g, m.to)};
        return {"Move " + card, OntoPile(g, m.to)};
    case MoveKind::FoundationToPile: return {"Take " + card + " down", OntoPile(g, m.to)};
    case MoveKind::TurnUp: return {"Turn up the waiting card", "of pile " + std::to_string(m.from) + "."};
    case MoveKind::Flip: break;
    }
    return g.StockEmpty(m.side) ? HintLines{"Turn your waste over", "to flip from the stock again."}
                                : HintLines{"Flip a card", "from your stock."};
}

} // namespace tandrel
