#include "app/run/DieDrawing.h"

const std::vector<DieDrawing::Face>& DieDrawing::Faces()
{
    static const std::vector<Face> faces = {
        {{{2, 9}, {24, 9}, {24, 31}, {2, 31}}, {0xFA, 0xFA, 0xF5}},   // front
        {{{2, 9}, {9, 3}, {31, 3}, {24, 9}}, {0xE4, 0xE4, 0xDC}},     // top
        {{{24, 9}, {31, 3}, {31, 25}, {24, 31}}, {0xBD, 0xBD, 0xB2}}, // side
    };
    return faces;
}

const std::vector<DieDrawing::Pip>& DieDrawing::Pips()
{
    static const std::vector<Pip> pips = {
        {{8, 15}, 2.6, 2.6},    {{18, 15}, 2.6, 2.6}, {{8, 25}, 2.6, 2.6},    {{18, 25}, 2.6, 2.6},
        {{26.3, 12.5}, 1.1, 2}, {{27.5, 17}, 1.1, 2}, {{28.7, 21.5}, 1.1, 2}, {{16.5, 6}, 2.2, 1.2},
    };
    return pips;
}
