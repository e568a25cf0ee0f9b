#pragma once

#include <QImage>
#include <QSize>

#include <array>
#include <cstdint>
#include <vector>

// The sprite list "DXImageList1": 66 pictures addressed by their number 0..65. Items 1..16 and
// 40..43 are the small symbols (20 x 20), items 20..36 and 60..63 the large ones (40 x 40); the
// other items have no picture and draw nothing. White is transparent in every picture.
//
// The pictures are drawn by this program's own code when the set is built. Within one set all
// pictures share the cell: an enzyme and the molecule it holds, drawn at the same point, fit
// together, the substrate filling the enzyme's notches.
class SpriteSet
{
public:
    static constexpr int itemCount = 66;

    SpriteSet();
    // The pictures of `original` enlarged or reduced by numerator / denominator, each pixel
    // repeated or left out as a whole so that edges stay sharp: the symbols of a box drawn larger
    // or smaller than its own size.
    SpriteSet(const SpriteSet& original, int numerator, int denominator);

    // The program's sprite list, built on first use and shared by the scene and the movies.
    static const SpriteSet& shared();

    bool hasPicture(int item) const;
    // The picture on white, as stored; a null image for an item without a picture.
    const QImage& picture(int item) const;
    // Pixel size of the item's picture; 0 x 0 without one.
    QSize itemSize(int item) const;
    // The picture with its white made transparent, for the movies.
    QImage transparentPicture(int item) const;

    // Copies the item's picture with its top-left corner at (x, y) into `target` (32-bit RGB),
    // leaving out its white pixels and whatever lies outside the target. An item without a
    // picture, or a number outside 0..65, draws nothing.
    void draw(int item, QImage& target, int x, int y) const;

private:
    // A run of non-white pixels on one row of a picture.
    struct Span
    {
        std::int16_t row;
        std::int16_t column;
        std::int16_t length;
    };
    struct Item
    {
        QImage picture;
        std::vector<Span> spans;
    };

    void store(int item, QImage picture);

    std::array<Item, itemCount> items_;
};
