#include "spritegen_art.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>

Mask::Mask(int width, int height) : width_(width), height_(height), bits_(static_cast<std::size_t>(width) * height, 0)
{
}

bool Mask::at(int x, int y) const
{
    return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[static_cast<std::size_t>(y) * width_ + x] != 0;
}

void Mask::set(int x, int y, bool on)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_) bits_[static_cast<std::size_t>(y) * width_ + x] = on;
}

Mask& Mask::operator|=(const Mask& other)
{
    for (std::size_t i = 0; i < bits_.size(); ++i)
        bits_[i] = bits_[i] || other.bits_[i];
    return *this;
}

Mask& Mask::operator-=(const Mask& other)
{
    for (std::size_t i = 0; i < bits_.size(); ++i)
        bits_[i] = bits_[i] && !other.bits_[i];
    return *this;
}

Mask& Mask::operator&=(const Mask& other)
{
    for (std::size_t i = 0; i < bits_.size(); ++i)
        bits_[i] = bits_[i] && other.bits_[i];
    return *this;
}

Mask Mask::edge() const
{
    Mask result(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!at(x, y)) continue;
            const bool inside = at(x - 1, y) && at(x + 1, y) && at(x, y - 1) && at(x, y + 1);
            result.set(x, y, !inside);
        }
    }
    return result;
}

Mask Mask::interior() const
{
    Mask result = *this;
    result -= edge();
    return result;
}

Mask Mask::mirroredVertically() const
{
    Mask result(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            result.set(x, height_ - 1 - y, at(x, y));
    }
    return result;
}

Art::Art(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, Colour{0, 0, 0, 0})
{
}

Mask Art::rect(int x, int y, int w, int h) const
{
    Mask m(width_, height_);
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column)
            m.set(column, row, true);
    }
    return m;
}

Mask Art::ellipse(double cx, double cy, double rx, double ry) const
{
    Mask m(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double u = (x + 0.5 - cx) / rx;
            const double v = (y + 0.5 - cy) / ry;
            m.set(x, y, u * u + v * v <= 1.0);
        }
    }
    return m;
}

Mask Art::polygon(std::initializer_list<Point> corners) const
{
    const std::vector<Point> p(corners);
    Mask m(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            bool inside = false;
            for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
                const bool crosses = (p[i].y > py) != (p[j].y > py);
                if (crosses && px < (p[j].x - p[i].x) * (py - p[i].y) / (p[j].y - p[i].y) + p[i].x) inside = !inside;
            }
            m.set(x, y, inside);
        }
    }
    return m;
}

Mask Art::segment(Point a, Point b, double width) const
{
    Mask m(width_, height_);
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double px = x + 0.5 - a.x, py = y + 0.5 - a.y;
            const double t = lengthSquared > 0 ? std::clamp((px * dx + py * dy) / lengthSquared, 0.0, 1.0) : 0.0;
            const double ex = px - t * dx, ey = py - t * dy;
            m.set(x, y, ex * ex + ey * ey <= width * width / 4);
        }
    }
    return m;
}

Mask Art::opaque() const
{
    Mask m(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            m.set(x, y, pixels_[static_cast<std::size_t>(y) * width_ + x].a != 0);
    }
    return m;
}

void Art::paint(const Mask& mask, Colour colour)
{
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (mask.at(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
        }
    }
}

void Art::paintOutlined(const Mask& mask, Colour fill, Colour edge)
{
    paint(mask, fill);
    paint(mask.edge(), edge);
}

void Art::dot(int x, int y, Colour colour)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
}

void Art::outline(Colour edge) { paint(opaque().edge(), edge); }

Art Art::transposed() const
{
    Art result(height_, width_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            result.dot(y, x, pixels_[static_cast<std::size_t>(y) * width_ + x]);
    }
    return result;
}

bool Art::savePng(const std::string& path, int scale, int imageWidth, int imageHeight) const
{
    SDL_Surface* image = SDL_CreateRGBSurfaceWithFormat(0, imageWidth, imageHeight, 32, SDL_PIXELFORMAT_RGBA32);
    if (image == nullptr) return false;
    SDL_FillRect(image, nullptr, SDL_MapRGBA(image->format, 0, 0, 0, 0));
    const int left = (imageWidth - width_ * scale) / 2;
    const int top = (imageHeight - height_ * scale) / 2;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Colour c = pixels_[static_cast<std::size_t>(y) * width_ + x];
            SDL_Rect block{left + x * scale, top + y * scale, scale, scale};
            SDL_FillRect(image, &block, SDL_MapRGBA(image->format, c.r, c.g, c.b, c.a));
        }
    }
    const bool saved = IMG_SavePNG(image, path.c_str()) == 0;
    SDL_FreeSurface(image);
    return saved;
}
