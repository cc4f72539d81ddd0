// The sea painter's table: backdrops, ships, flags and the title card.
#include "art.h"
#include "sea_art.h"
#include "resource_ids.h"

const std::vector<ArtPiece>& SeaArt() {
    static const std::vector<ArtPiece> pieces = {
        {IDB_OPEN_SEA, sea::PaintOpenSea, false},
        {IDB_SHIP_DECKS, sea::PaintShipDecks, false},
        {IDB_TITLE, sea::PaintTitle, false},
        {IDB_BRIG, sea::PaintBrigClose, false},
        {IDB_GALLEON, sea::PaintGalleon, false},
        {IDB_BRIG_DISTANT, sea::PaintBrigDistant, false},
        {IDB_ENSIGN_TINY, sea::PaintTinyUnionJack, false},
        {IDB_ENSIGN_SMALL, sea::PaintSmallUnionJack, false},
        {IDB_JOLLY_ROGER_SMALL, sea::PaintSmallJollyRoger, false},
        {IDB_ENSIGN_LARGE, sea::PaintLargeUnionJack, false},
        {IDB_JOLLY_ROGER_LARGE, sea::PaintLargeJollyRoger, false},
        {IDB_BRIG_RIGGING, sea::PaintBrigRig, false},
        {IDB_GALLEON_HEELING, sea::PaintGalleonHeeling, false},
    };
    return pieces;
}
