// Implemented by a focus view that edits its text in a native edit box over the frame's
// window: the window answers the box's colour request with these colours.
#pragma once

#include "Colour.h"

class EditBoxColourSource {
public:
    virtual bool editBoxColours(Colour& text, Colour& back) = 0;

protected:
    ~EditBoxColourSource() = default;
};
