#include "opponent/HintWords.h"

#include "engine/Cards.h"
#include "engine/Texts.h"

namespace tandrel {

// An ace on its own is kept as its code less 13.
int FoundationCard(const Game& g, int f)
{
    const int top = g.Foundation(f, FoundTop);
    if (g.Foundation(f, FoundSuit) == 0) return 0;
    return CardRank(top + 13) == 1 ? AceOfSuit(g.Foundation(f, FoundSuit)) : top;
}

namespace {

std::string Onto(int card) { return Arg(Translate("Hint", "onto the %1."), CardName(card)); }

std::string OntoPile(const Game& g, int p)
{
    const int top = PileTop(g, p);
    return IsCard(top) ? Onto(top) : Arg(Translate("Hint", "onto the empty pile %1."), p);
}

std::string OntoFoundation(const Game& g, int f)
{
    const int top = FoundationCard(g, f);
    return IsCard(top) ? Onto(top) : Translate("Hint", "to an empty foundation.");
}

} // namespace

std::string CardName(int card)
{
    if (!IsCard(card)) return {};
    static const char* const ranks[] = {
        TextToTranslate("Cards", "two"),   TextToTranslate("Cards", "three"), TextToTranslate("Cards", "four"),
        TextToTranslate("Cards", "five"),  TextToTranslate("Cards", "six"),   TextToTranslate("Cards", "seven"),
        TextToTranslate("Cards", "eight"), TextToTranslate("Cards", "nine"),  TextToTranslate("Cards", "ten"),
        TextToTranslate("Cards", "jack"),  TextToTranslate("Cards", "queen"), TextToTranslate("Cards", "king"),
        TextToTranslate("Cards", "ace")};
    // Blocks of thirteen in the order of the card sheet.
    static const char* const suits[] = {TextToTranslate("Cards", "clubs"), TextToTranslate("Cards", "hearts"),
                                        TextToTranslate("Cards", "spades"), TextToTranslate("Cards", "diamonds")};
    const char* rank = ranks[(card - 2) % 13];
    const char* suit = suits[(card - 2) / 13];
    //: A card: %1 its rank, %2 its suit.
    return Arg(Arg(Translate("Cards", "%1 of %2"), Translate("Cards", rank)), Translate("Cards", suit));
}

HintLines HintWords(const Game& g, const Move& m)
{
    const std::string card = CardName(m.card);
    switch (m.kind) {
    case MoveKind::WasteToPile: return {Arg(Translate("Hint", "Play the %1"), card), OntoPile(g, m.to)};
    case MoveKind::WasteToFoundation:
    case MoveKind::PileToFoundation: return {Arg(Translate("Hint", "Play the %1"), card), OntoFoundation(g, m.to)};
    case MoveKind::Load:
        return {Arg(Translate("Hint", "Load the %1"), card), Translate("Hint", "onto the computer's waste.")};
    case MoveKind::RunToPile:
        if (m.slot < FaceUpCount(g, m.from))
            return {Arg(Translate("Hint", "Move the %1 and the cards on it"), card), OntoPile(g, m.to)};
        return {Arg(Translate("Hint", "Move the %1"), card), OntoPile(g, m.to)};
    case MoveKind::FoundationToPile: return {Arg(Translate("Hint", "Take the %1 down"), card), OntoPile(g, m.to)};
    case MoveKind::TurnUp:
        return {Translate("Hint", "Turn up the waiting card"), Arg(Translate("Hint", "of pile %1."), m.from)};
    case MoveKind::Flip: break;
    }
    if (g.StockEmpty(m.side))
        return {Translate("Hint", "Turn your waste over"), Translate("Hint", "to flip from the stock again.")};
    return {Translate("Hint", "Flip a card"), Translate("Hint", "from your stock.")};
}

} // namespace tandrel
