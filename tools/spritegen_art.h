#pragma once

// Flat-coloured pixel art for the sprite generator: shapes are masks on a grid of
// art pixels, painted in solid colours with dark edges, then written scaled up
// into a PNG. Everything is integer or exact double arithmetic on pixel centres,
// so the same program writes the same bytes every time.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
};

struct Point {
    double x;
    double y;
};

// A set of art pixels.
class Mask {
  public:
    Mask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool at(int x, int y) const;
    void set(int x, int y, bool on);

    Mask& operator|=(const Mask& other);
    Mask& operator-=(const Mask& other);
    Mask& operator&=(const Mask& other);

    // The pixels of the mask that touch a pixel outside it (or the border) side by side.
    Mask edge() const;
    Mask interior() const;
    Mask mirroredVertically() const;

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bits_;
};

class Art {
  public:
    Art(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Shapes, as masks of this art's size; a pixel belongs to a shape when its centre does.
    Mask rect(int x, int y, int w, int h) const;
    Mask ellipse(double cx, double cy, double rx, double ry) const;
    Mask polygon(std::initializer_list<Point> corners) const;
    // A stroke of the given width along a segment, with round ends.
    Mask segment(Point a, Point b, double width) const;
    Mask opaque() const;

    void paint(const Mask& mask, Colour colour);
    // Fills the shape and draws its own one-pixel edge over it.
    void paintOutlined(const Mask& mask, Colour fill, Colour edge);
    void dot(int x, int y, Colour colour);
    // Draws a dark edge around everything painted so far.
    void outline(Colour edge);

    Art transposed() const;

    // Writes the art, each art pixel a square of `scale` pixels, centred in a
    // transparent image of the given size. False on a write failure.
    bool savePng(const std::string& path, int scale, int imageWidth, int imageHeight) const;

  private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};
