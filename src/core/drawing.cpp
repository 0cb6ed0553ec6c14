#include "core/drawing.h"

namespace qz {

DrawRequest& Drawing::add(DrawRequest::Kind kind) {
    if (used_ == requests_.size()) {
        requests_.emplace_back();
    }
    DrawRequest& request = requests_[used_++];
    request.kind = kind;
    return request;
}

void Drawing::drawSprite(Picture picture, const Rect* part, std::span<const Point> positions) {
    DrawRequest& request = add(DrawRequest::Kind::Sprite);
    request.picture = picture;
    request.partial = part != nullptr;
    request.box = part ? *part : Rect{};
    request.first = static_cast<std::uint32_t>(points_.size());
    request.count = static_cast<std::uint32_t>(positions.size());
    points_.insert(points_.end(), positions.begin(), positions.end());
}

void Drawing::fill(int x, int y, int w, int h, Rgb colour) {
    DrawRequest& request = add(DrawRequest::Kind::Fill);
    request.box = Rect{x, y, w, h};
    request.colour = colour;
}

void Drawing::addText(DrawRequest::Kind kind, FontSize size, const std::string& text, Rgb colour,
                      Point at) {
    DrawRequest& request = add(kind);
    request.size = size;
    request.text = text;
    request.colour = colour;
    request.at = at;
}

void Drawing::drawText(FontSize size, const std::string& text, Rgb colour, int x, int y) {
    addText(DrawRequest::Kind::Text, size, text, colour, Point{x, y});
}

void Drawing::drawTextCentred(FontSize size, const std::string& text, Rgb colour, int y) {
    addText(DrawRequest::Kind::CentredText, size, text, colour, Point{0, y});
}

void Drawing::clear() {
    used_ = 0;
    points_.clear();
}

}  // namespace qz
