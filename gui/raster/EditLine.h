// The text model of the toolkit's own single-line edit box (X11 and headless): the text,
// whether all of it is selected (as when the box opens) and typing that replaces the
// selection. The caret stays at the end of the text.
#pragma once

#include <string>

class EditLine {
public:
    explicit EditLine(std::string initial = std::string()) : text(std::move(initial)) {}

    const std::string& value() const { return text; }
    bool allSelected() const { return selected; }
    void type(const std::string& typed) {
        if (selected) text.clear();
        selected = false;
        text += typed;
    }
    // Deletes the selection, or the character before the caret.
    void backspace() {
        if (selected)
            text.clear();
        else if (!text.empty())
            text.pop_back();
        selected = false;
    }

private:
    std::string text;
    bool selected = true;
};
