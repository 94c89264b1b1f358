#include "engine/Deal.h"

#include <chrono>
#include <random>

#include "engine/Cards.h"
#include "engine/Counts.h"
#include "engine/Position.h"

namespace tandrel {

const std::array<const char*, 24> PresetDeals = {
    "12305233165321371905343117383502065049084013410344430439321418482822260947075115272510293624464211204523",
    "32201733134503501930162541531529241031474921084638224043364811392735181207040637284452020942142623345105",
    "06190820041724391623282905254530153514314333520313223821101146410918534736514950023707482742264032344412",
    "45195250221141312906050923175321074240263813340316204612363925184424514932020828300443482714471510373335",
    "13204722144226500646041527101939033828020925444937524818510807113421233329315305403230453617432435411612",
    "40130607382350323008152526474212392417413448431951093602205328031821373510044429054931452211463327165214",
    "35384550085326102414113640443331053029372315414212470432094316523921190306021749205118482234251307284627",
    "37075318274034432015473905112448421914502204350331082932021752281306454930121638105109464425332141262336",
    "24485231293522131507102851161936230639452043530532080225384103371217463311420947044440344918211430502726",
    "03492125343005204053443115221108351024364551292746320433091902281418420652171239434107472337264838501316",
    "18053736473439170230245142432722031649145007321133124031210629042613082825154645481952091035235341384420",
    "51072845200843063952255302224117474642130927143848163634493319303540210532115029181203372610152304243144",
    "51424733263118020616374420401545431204491903342528303253232246485035113941211338091727050736140852102924",
    "30384009463322473451495317450310324820124231241619055208135041442511182123273906153537432604283607140229",
    "40060829491845341548192036251426273537475211501009435132215304330712221742382346314113160230392403440528",
    "49174629221853383908352720340345324426162842483024310414365121193302063712110741405005154310232547091352",
    "11392645344020253804281747484213520930272953215049032410371233513608141643074431224606231502321835054119",
    "17275343123742342519510224214131502305444852304736040633203249281015093816454013291139350807260314184622",
    "47290926273202104335394421181723245215062246314153363034381214485008421933281151051603491307200425374045",
    "19484428465131034745182941070450200537272135400630234316144908421310251112261509533433223252383936241702",
    "08323612383734184453193913422021524903474333020550271029250409484645512830221431111640354107172315262406",
    "31094905033320271147434204341914504448245222064626171823122508322913163853413530450737405139100236152821",
    "11223532121343382009464510232526084230371749040234211928154105393624063316484427532947071831500351405214",
    "22340904331736194108325107431535494452203727462528484023061603501305112138181030532645142939124702423124",
};

namespace {

void RebuildDealString(Game& g)
{
    g.DealString.clear();
    for (int i = 2; i <= 53; ++i) g.DealString += Digits(g.Deck(i) % 100, 2);
}

} // namespace

void ShuffleDeck(Game& g, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int i = 2; i <= 53; ++i) g.Deck(i) = 0;
    // Codes 2..53 in order, each into a random free position.
    int n = 1;
    while (n != 53) {
        const int r = static_cast<int>(uniform(rng) * 53 + 1);
        if (r > 1 && r <= 53 && g.Deck(r) == 0) g.Deck(r) = ++n;
    }
    RebuildDealString(g);
}

void DealGame(Game& g)
{
    if (g.GamesDealt >= 24 || g.GamesDealt < 0) {
        const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        ShuffleDeck(g, static_cast<std::uint32_t>(now ^ (now >> 32)));
    } else {
        g.DealString = PresetDeals[static_cast<std::size_t>(g.GamesDealt)];
        for (int i = 2; i <= 53; ++i) g.Deck(i) = TakeNumber(g.DealString, 2);
        RebuildDealString(g);
    }
    // A 16-bit count in the file; it stops counting rather than wrapping.
    if (g.GamesDealt < MaxGameCount) ++g.GamesDealt;
    if (g.hooks.GamesDealtChanged) g.hooks.GamesDealtChanged(g);
}

void DeckFromDealString(Game& g)
{
    std::string deal = g.DealString;
    for (int i = 2; i <= 53; ++i) g.Deck(i) = TakeNumber(deal, 2);
}

int FaceDownCard(const Game& g, int pile)
{
    const int pos = FaceDownPosition(pile, g.TableauFaceDown(pile));
    return pos ? g.Deck(pos) : 0;
}

const std::array<DealtCard, 10> DealOrder = {{
    {1, 1, true}, {2, 1, false}, {3, 1, false}, {4, 1, false}, {2, 2, true},
    {3, 2, false}, {4, 2, false}, {3, 3, true}, {4, 3, false}, {4, 4, true},
}};

void DealNewGame(Game& g, bool redeal)
{
    for (int side = 1; side <= 2; ++side) {
        for (int i = 1; i <= HandSlots; ++i) g.Stock(side, i) = g.Waste(side, i) = 0;
    }
    g.FlippedCard = 0;
    g.FlipsThisTurn = 0;
    g.SnapshotTaken = false;
    g.GameOver = false;
    // The last move of the previous game must never be applied to this table.
    g.Undo.reset();
    g.History.Clear();
    if (g.hooks.ClearSnapshot) g.hooks.ClearSnapshot(g);
    g.Foundation.fill(0);
    if (redeal) DealGame(g);

    for (int side = 1; side <= 2; ++side) {
        g.WasteCount(side) = 0;
        g.StockPos(side) = 0;
        g.StockLevel(side) = 42;
        g.WasteFan(side) = g.cfg.FlipNum;
        g.StockEmpty(side) = false;
        g.StockPasses(side) = 0;
    }
    g.Tableau.fill(0);
    // Row by row from the left: the first card of each row face up (from the
    // deck positions 2, 6, 9 and 11), backs to its right.
    const int faceUpFrom[5] = {0, 2, 6, 9, 11};
    for (int p = 1; p <= PileCount; ++p) {
        const int card = g.Deck(faceUpFrom[p]);
        g.Deck(faceUpFrom[p]) = 0;
        g.TableauFaceDown(p) = p - 1;
        g.Tableau(p, 1) = card;
    }
    for (int side = 1; side <= 2; ++side) {
        const int first = side == 1 ? 11 : 32;
        for (int k = 1; k <= DealtToEachSide; ++k) {
            g.Stock(side, k) = g.Deck(first + k);
            g.Deck(first + k) = 0;
        }
    }
}

} // namespace tandrel
