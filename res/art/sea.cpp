// The sea painter's table: backdrops, ships, flags and the title card.
#include "assetgen.h"
#include "sea_art.h"

const std::vector<ArtPiece>& SeaArt() {
    static const std::vector<ArtPiece> pieces = {
        {130, sea::PaintOpenSea, false},
        {141, sea::PaintShipDecks, false},
        {142, sea::PaintTitle, false},
        {132, sea::PaintBrigClose, false},
        {134, sea::PaintGalleon, false},
        {185, sea::PaintBrigDistant, false},
        {186, sea::PaintTinyUnionJack, false},
        {133, sea::PaintSmallUnionJack, false},
        {135, sea::PaintSmallJollyRoger, false},
        {152, sea::PaintLargeUnionJack, false},
        {153, sea::PaintLargeJollyRoger, false},
        {187, sea::PaintBrigRig, false},
        {200, sea::PaintGalleonHeeling, false},
    };
    return pieces;
}
