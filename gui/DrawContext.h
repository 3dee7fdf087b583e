// A short-lived drawing context on one device (a window, a paint message, an off-screen
// surface): current colours, pen, font, clip rectangle and a drawing offset, with the
// toolkit's pixel conventions layered over the platform Canvas.
//
// Lifetime: one paint message, one click, one idle pass or one drag loop; delete it before
// its device is released. [ui-thread]
#pragma once

#include <cstdint>

#include "Canvas.h"
#include "Colour.h"
#include "Geometry.h"

class EditorFrame;
namespace platform {
struct NativeWindow;
}

class DrawContext {
public:
    // `device` is not owned. With a window, the window's screen origin is stored so that
    // readMouseLocation answers frame coordinates.
    DrawContext(EditorFrame* frame, Canvas* device, platform::NativeWindow* window);
    virtual ~DrawContext();

    void moveTo(Point p);
    void lineTo(Point p);
    void drawPolyline(const Point* points, int count);
    void fillPolygon(const Point* points, int count);
    void setLineStyle(int style);  // 0 solid, 1 dotted
    void setLineWidth(int widthPx);
    void setDrawMode(int mode);  // 0 copy, 1 or, 2 inverse exclusive-or
    void setClipRect(const Rect& rect);
    void resetClipRect();
    const Rect& getClipRect() const { return clipRect; }

    // Outline through all four corners: the right and bottom edges are drawn.
    void drawRect(const Rect& rect);
    // Fills (left + 1, top + 1) to (right, bottom) exclusive: inside a drawRect outline.
    void fillRect(const Rect& rect);
    void drawEllipse(const Rect& rect);
    void fillEllipse(const Rect& rect);
    void drawArc(const Rect& rect, Point start, Point end);
    void fillPie(const Rect& rect, Point start, Point end);
    void drawPoint(Point p, Colour colour);

    void setFrameColour(Colour colour);
    void setFillColour(Colour colour);
    void setFontColour(Colour colour);

    enum FontStyle : int { kBold = 1, kItalic = 2, kUnderline = 4 };
    static constexpr int kFontCount = 8;
    static int defaultFontHeight(int fontId);
    // An id outside 0..7 becomes 0; size 0 is the id's default height; id 0 is always bold.
    void setFont(int fontId, int sizePx = 0, int style = 0);
    int getFont() const { return fontId; }
    int getFontSize() const { return fontSize; }
    int textWidth(const char* text);
    // One line, vertically centred; alignment 0 left (1 pixel in), 1 centred, 2 right.
    void drawTextInRect(const char* text, const Rect& rect, bool opaque = false, int alignment = 1);

    int readMouseButtons() const;
    void readMouseLocation(Point& point) const;
    bool waitForDoubleClick();
    bool waitForDragStart();

    void setOffset(Point p) { offset = p; }
    Point getOffset() const { return offset; }
    EditorFrame* getFrame() const { return frame; }
    Canvas* getDevice() const { return device; }

protected:
    static constexpr int kFixedPoints = 30;
    // Copies points with the offset applied: up to 30 in `fixed`, more in a new array
    // (null when it cannot be allocated). Release with releasePoints.
    Point* offsetPoints(const Point* points, int count, Point* fixed);
    static void releasePoints(Point* points, Point* fixed);
    // Draws the points with the offset applied; nothing when they cannot be copied.
    void withOffsetPoints(const Point* points, int count, void (Canvas::*draw)(const Point*, int));
    void applyPen();

    Point windowOrigin;
    Point offset;
    Canvas* device;
    platform::NativeWindow* window;
    EditorFrame* frame;
    int fontId = 0;
    int fontSize = 0;
    Colour fontColour = colours::white;
    int lineWidth = 1;
    Colour frameColour = colours::white;
    Colour fillColour = colours::black;
    int lineStyle = 0;
    int drawMode = 0;
    Rect clipRect;
};
