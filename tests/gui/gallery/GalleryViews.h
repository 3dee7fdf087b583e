// The simple views of the gallery editor (not the toolkit's controls): each stands for one
// parameter tag and holds its value; a changed value makes it dirty.
#pragma once

#include "Bitmap.h"
#include "View.h"

class GalleryEditor;

class GalleryView : public View {
public:
    GalleryView(const Rect& size, std::int32_t tag, Bitmap* bitmap = nullptr);
    ~GalleryView() override;

    bool needsRedraw() override { return View::needsRedraw() || value != drawnValue; }
    void markDirty(bool flag) override;
    void setValue(float v) { value = v; }
    float getValue() const { return value; }
    std::int32_t getTag() const { return tag; }

protected:
    // Hands a new value to the editor (when there is one) and redraws at once.
    void change(DrawContext* context, float newValue);

    std::int32_t tag;
    float value = 0.0f;
    float drawnValue = -1.0f;
    Bitmap* bitmap;
};

class StripView : public GalleryView {
public:
    static constexpr int kFrames = 5;
    static constexpr int kFramePx = 32;
    using GalleryView::GalleryView;
    static int frameOf(float value);
    void draw(DrawContext* context) override;
    void mouseDown(DrawContext* context, Point& where) override;
};

class ToggleView : public GalleryView {
public:
    using GalleryView::GalleryView;
    void draw(DrawContext* context) override;
    void mouseDown(DrawContext* context, Point& where) override;
};

class OutlineView : public GalleryView {
public:
    OutlineView(const Rect& size, std::int32_t tag, Colour colour) : GalleryView(size, tag), colour(colour) {}
    void draw(DrawContext* context) override;
    void mouseDown(DrawContext* context, Point& where) override;

private:
    Colour colour;
};

class SwatchView : public GalleryView {
public:
    using GalleryView::GalleryView;
    void draw(DrawContext* context) override;
    void mouseDown(DrawContext* context, Point& where) override;
};

class LabelView : public GalleryView {
public:
    using GalleryView::GalleryView;
    void draw(DrawContext* context) override;
};
