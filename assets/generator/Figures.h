#pragma once

#include <QPainter>

#include <vector>

namespace duomira::art {

// One card-sized picture: the file it goes to and how to draw it.
struct Figure {
    const char* file;
    int width;
    int height;
    void (*draw)(QPainter&);
    qreal scale = 1.0; // about the centre, to keep the figure's share of the card
};

// The 12 faces in picture-index order.
std::vector<Figure> faceFigures();
// The card back, the slot template and the About dialog's picture.
std::vector<Figure> otherFigures();

} // namespace duomira::art
