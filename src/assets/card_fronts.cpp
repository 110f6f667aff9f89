#include "card_fronts.h"

#include <algorithm>
#include <iterator>

namespace twindle {

namespace {

using namespace cardFrames;

// A single glyph filling the card's width, centred on its height.
std::vector<ArtLayer> filling(std::string_view art)
{
    return {{art, 3.5, 18, 74}};
}

// A single small glyph in the middle of the card.
std::vector<ArtLayer> small(std::string_view art)
{
    return {{art, 18.5, 33, 44}};
}

// The Twemoji rainbow is the left half of a bow; a mirrored copy completes it.
std::vector<ArtLayer> rainbowWithClouds(double left, double top, double width)
{
    const double half = width / 2;
    const double cloud = width * 0.45;
    return {
        {"twemoji/1f308", left, top, half},
        {"twemoji/1f308", left + half, top, half, 0, true},
        {"twemoji/2601", left - cloud * 0.12, top + half - cloud * 0.55, cloud},
        {"twemoji/2601", left + width - cloud * 0.88, top + half - cloud * 0.55, cloud, 0, true},
    };
}

// The fronts of several drawings each, 101 to 109.
std::vector<CardFront> frontsToNine()
{
    return {
        {101, "cherub in a cowboy hat swinging a lasso", kOrange,
         // The glyph's own halo would sit inside the hat, so ours floats above it instead.
         {{"halo", 24, 37, 34},
          {"lasso", 4, 2, 62},
          {"twemoji/1f47c", 12, 46, 58, 0, false, 12.0 / 36},
          {"cowboy_hat", 15, 46, 52}}},
        {102, "baby with a bottle", kBlue,
         {{"twemoji/1f476", 8, 14, 62},
          {"twemoji/1f37c", 36, 54, 36, 0, true}}},
        {103, "hot-air balloon", kTeal,
         {{"hot_air_balloon", 10.5, 6, 60},
          {"twemoji/1f9fa", 25.5, 71, 30}}},
        {104, "baby girl with a birthday cake", kPink,
         {{"twemoji/1f476", 14, 6, 54},
          {"twemoji/1f380", 37, 3, 26},
          {"twemoji/1f382", 12, 50, 56}}},
        {105, "cat and a bird", kGreen,
         {{"twemoji/1f408", 10, 38, 66},
          {"twemoji/1f426", 6, 8, 30, 0, true}}},
        {106, "child riding a horse", kRed, filling("twemoji/1f3c7")},
        {107, "leaping deer, in silhouette", kGold,
         {{"leaping_deer", 1, 22, 80, -8}}},
        {108, "baby dinosaur", kOrange,
         {{"twemoji/1f995", 11.5, 10, 58},
          {"egg_shell", 6.5, 60, 68}}},
        {109, "dinosaur with a rider", kPurple,
         {{"twemoji/1f995", 4, 30, 74},
          {"rider", 37, 52, 20},
          {"twemoji/1f9d2", 38, 33, 22}}},
    };
}

// 110 to 119, most of several drawings too.
std::vector<CardFront> frontsToNineteen()
{
    return {
        {110, "dolphin", kBlue, {{"twemoji/1f42c", 3.5, 18, 74, -10}}},
        {111, "dolphin jumping through a hoop", kIndigo,
         {{"hoop_back", 34, 16, 30},
          {"twemoji/1f42c", 6, 24, 70, -15},
          {"hoop_front", 34, 16, 30}}},
        {112, "duck", kTeal, filling("twemoji/1f986")},
        {113, "elephant with a ball", kRed,
         {{"twemoji/1f418", 10, 14, 66},
          {"twemoji/26bd", 6, 74, 28}}},
        {114, "woolly mammoth", kBrown, filling("twemoji/1f9a3")},
        {115, "frog playing a guitar", kPurple,
         {{"twemoji/1f438", 6, 10, 69},
          {"twemoji/1f3b8", 16, 48, 52}}},
        {116, "giraffe", kGreen, filling("twemoji/1f992")},
        {117, "horse in a cowboy hat with a saddle", kGold,
         {{"twemoji/1f40e", 3.5, 22, 74},
          {"saddle", 37, 43, 22},
          {"cowboy_hat", 8, 22, 28, -20}}},
        {118, "kangaroo", kOrange, filling("twemoji/1f998")},
        {119, "child at a computer", kBlue,
         // The child peeps over the screen.
         {{"twemoji/1f9d2", 14.5, 6, 52},
          {"twemoji/1f4bb", 10.5, 50, 60}}},
    };
}

// 120 to 143: a glyph or two each.
std::vector<CardFront> frontsToFortyThree()
{
    return {
        {120, "ladybird", kGreen, filling("twemoji/1f41e")},
        {121, "lion", kGold, filling("twemoji/1f981")},
        {122, "penguin", kBlue, filling("twemoji/1f427")},
        {123, "pig", kPink, filling("twemoji/1f416")},
        {124, "rainbow with clouds", kIndigo, rainbowWithClouds(3.5, 30, 74)},
        {125, "sailing ship", kTeal, filling("twemoji/26f5")},
        {126, "pair of sneakers", kRed,
         {{"twemoji/1f45f", 12, 24, 62},
          {"twemoji/1f45f", 3.5, 42, 62}}},
        {127, "squirrel carrying a present", kBrown,
         {{"twemoji/1f43f", 10, 16, 66},
          {"twemoji/1f381", 8, 40, 28}}},
        {128, "sun", kOrange, filling("twemoji/1f31e")},
        {129, "slice of watermelon", kGreen, filling("twemoji/1f349")},
        {130, "zebra", kPurple, filling("twemoji/1f993")},
        {131, "cat's face", kOrange, small("twemoji/1f431")},
        {132, "van", kBlue, small("twemoji/1f690")},
        {133, "butterfly", kPurple, small("twemoji/1f98b")},
        {134, "eagle", kBrown, small("twemoji/1f985")},
        {135, "flower", kGreen, small("twemoji/1f33c")},
        {136, "heart", kPink, small("twemoji/2764")},
        {137, "ladybird", kGreen, small("twemoji/1f41e")},
        {138, "moon with a face", kIndigo, small("twemoji/1f31c")},
        {139, "pig", kPink, small("twemoji/1f437")},
        {140, "rainbow", kTeal, rainbowWithClouds(18.5, 44, 44)},
        {141, "rooster", kRed, small("twemoji/1f413")},
        {142, "strawberry", kGreen, small("twemoji/1f353")},
        {143, "apple", kGold, small("twemoji/1f34e")},
    };
}

} // namespace

const CardFront* cardFront(int id)
{
    static const std::vector<CardFront> faces = [] {
        std::vector<CardFront> all = frontsToNine();
        std::ranges::move(frontsToNineteen(), std::back_inserter(all));
        std::ranges::move(frontsToFortyThree(), std::back_inserter(all));
        return all;
    }();
    const auto found = std::find_if(faces.begin(), faces.end(),
                                    [id](const CardFront& face) { return face.id == id; });
    return found == faces.end() ? nullptr : &*found;
}

} // namespace twindle
